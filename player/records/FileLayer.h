#pragma once

#include "player/records/FileChangeWatcher.h"

#include <QString>

// The one way the programs remove, rename and make files and folders, beside
// AtomicFile that writes them. Each call takes the path as it is to be used
// on disk (callers resolve the letter case first), and tells the watcher, if
// one is installed, before and after the change.
namespace FileLayer {

// Removes a file; when the watcher offers a place to keep it, the file is
// moved there instead (and removed only if that move fails).
bool remove(const QString& path);
bool rename(const QString& from, const QString& to);
// Moves a file by renaming it, on one file system only: unlike `rename`, it
// never falls back to copying the bytes, so it never leaves half a file and
// never waits for data to reach the disk. Replaces a file at `to`.
bool moveFile(const QString& from, const QString& to);
// Makes one folder; true when it exists afterwards.
bool makeFolder(const QString& path);
// Removes one empty folder.
bool removeFolder(const QString& path);

// The process-wide watcher; nullptr for none. Installing gives the watcher
// that was there before.
FileChangeWatcher* installWatcher(FileChangeWatcher* watcher);
FileChangeWatcher* watcher();

// Tells the installed watcher of a change around `change()`; AtomicFile
// reports its writes through this.
template <typename Change>
auto watched(const QStringList& paths, Change change)
{
    FileChangeWatcher* w = watcher();
    if (w)
        w->aboutToChange(paths);
    auto result = change();
    if (w)
        w->changed(paths);
    return result;
}

}  // namespace FileLayer
