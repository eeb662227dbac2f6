#pragma once

#include <QString>
#include <QStringList>

// Told of every change the file layer is about to make (a write, a removal,
// a rename, a folder made or removed) and of its end. The paths are the
// entries as they are spelled on disk, or as they will be for a new entry;
// a rename names both the old and the new entry.
class FileChangeWatcher {
public:
    virtual ~FileChangeWatcher() = default;
    virtual void aboutToChange(const QStringList& paths) = 0;
    virtual void changed(const QStringList& paths) = 0;

    // Asked before a file is removed: a path (on the same file system, in a
    // folder that exists) to move the file to instead, so that it can be
    // brought back by a rename; empty to let the file be removed. Asked before
    // `aboutToChange`.
    virtual QString keepInsteadOfRemoving(const QString& path)
    {
        Q_UNUSED(path);
        return {};
    }
    // The move to the offered place failed: the file is still there, and is
    // now removed for good. Told between `aboutToChange` and `changed`, so
    // the watcher can still read the file.
    virtual void notKept(const QString& path) { Q_UNUSED(path); }
};
