#pragma once

#include <QString>
#include <QStringList>

// File names in a project are case-insensitive, as on the system the format
// comes from: "General" and "general" name the same file. Every path the
// programs open goes through here.
namespace FileNames {

// Finds an existing file or folder whatever the letter case of each part of
// `path`. When no such entry exists, the path is returned with its existing
// leading folders resolved and the rest as given, so that a new file is
// created beside its case-variant folders and a file that exists under
// another case is written over, never duplicated.
QString resolve(const QString& path);

// True when `path` (resolved case-insensitively) is an existing file.
bool exists(const QString& path);

// Names of the files in `folder` whose names match `pattern` ("*.fME",
// "*.sav") without regard to case, sorted alphabetically without regard to
// case. Folders are not listed. "*.*" lists every file, with or without an
// extension.
QStringList list(const QString& folder, const QString& pattern);
// The same for a file that matches any of `patterns`, each listed once.
QStringList list(const QString& folder, const QStringList& patterns);

// A name read from a project file or typed by the author may become part of a
// path only when it is one plain file name: not empty, no separator of either
// kind, not "." or "..", no control characters.
bool isPlainName(const QString& name);

// `folder` (ending with a separator) joined with a plain `name`; an empty
// string when the name is not plain, so that opening it fails.
QString inFolder(const QString& folder, const QString& name);

}  // namespace FileNames
