#pragma once

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
};
