#pragma once

#include <QString>

// The operations on whole frames behind the editor's frame list: creating a
// frame from a colour or a picture, removing it with its clickable areas,
// renaming it. A frame lives in three places named after it: its frame file
// and its links file in Frames/, and its area folder in Areas/.
namespace FrameFiles {

enum Kind : qint16 { SolidColour = 0, Picture = 1 };

// Creates a frame and gives its name; an empty name when no frame file could
// be written. A solid-colour frame (source: the colour as decimal text) is
// named "Solid01", "Solid02"... after the first free number. A picture frame
// (source: the picture's full path, title: its file name) copies the picture
// into the Frames folder and is named after the picture less its last four
// characters, followed by "01", "02"... when that name is taken.
QString CreateFrame(Kind kind, const QString& source, const QString& title, bool tiled);

// Asks the author, then deletes the frame's links file, frame file and area
// folder. False when the author cancelled or the frame file stays.
bool RemoveFrame(const QString& name);

// Renames the frame file, and the links file and area folder when the frame
// has them, as they are spelled on disk. Nothing is renamed when the new name
// is not a plain file name or belongs to another frame's file or folder, and
// a rename that fails halfway is undone, so both names keep their files;
// the author is told and false is given. Only the letter case may change.
// References to the frame from elsewhere keep the old name.
bool RenameFrame(const QString& oldName, const QString& newName);

// The part of `path` after its last separator; the whole path when it has none.
QString GetFileTitle(const QString& path);

}  // namespace FrameFiles
