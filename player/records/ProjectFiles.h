#pragma once

#include <QString>
#include <QStringList>

// Where each file of a project lies. Every path to a project file is built
// here from the path values, and every name that comes from a file or from
// the author (frame, object, saved game) is checked here: a name that is not
// one plain file name gives an empty path, which no file operation opens.
namespace ProjectFiles {

// Config/General, Config/Version, Config/Variables and Project.dat.
QString general();
QString version();
QString variables();
QString projectDat();

// The frame file and the links file of a frame (FrameFile, LinksFile).
QString frameFile(const QString& frame);
QString linksFile(const QString& frame);

// Areas/<frame>/, ending with a separator.
QString areaFolder(const QString& frame);

// The three files of area `n` of a frame: placement and appearance
// (AreaPlacement), action (ActionRecord), pickable object (PickableRecord).
enum class AreaPart { Placement, Action, Pickable };
QString areaFile(const QString& frame, int n, AreaPart part);
// Their names inside the area folder.
QString areaFileName(int n, AreaPart part);
// The event of `object` dropped on area `n` (an ActionRecord).
QString eventFile(const QString& frame, int n, const QString& object);

// The object file of an object (ObjectFile), in Areas/.
QString objectFile(const QString& object);

// A file in Frames/, Areas/ or Icons/ named by a record (a picture, a sound,
// a pointer), or empty when the name is not one plain file name.
QString inFrames(const QString& file);
QString inAreas(const QString& file);
QString inIcons(const QString& file);

// Listings, sorted without regard to case, with the extension taken off.
QStringList frames();
QStringList objects();
// The events of a frame as "<n>_<object>".
QStringList events(const QString& frame);
// File-name patterns of area `n`'s files, for renumbering: its three files
// and its events.
QStringList areaFilePatterns(int n);
// The events of area `n` in a listing of its frame's area folder: the
// object of each of its event files, by file name.
QStringList eventFilesOf(const QString& frame, int n);
// The file of an event as `events` lists it ("<n>_<object>").
QString listedEventFile(const QString& frame, const QString& listed);
// The name of the event file of `object` on area `n`.
QString eventFileName(int n, const QString& object);

// The name of a listed file less its four-character extension.
QString withoutExtension(const QString& file);

}  // namespace ProjectFiles
