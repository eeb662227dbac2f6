#include "player/records/FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace FileLayer {

namespace {
FileChangeWatcher* s_watcher = nullptr;

bool renameInPlace(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
}

bool remove(const QString& path)
{
    if (path.isEmpty())
        return false;
    FileChangeWatcher* w = watcher();
    const QString keep = w ? w->keepInsteadOfRemoving(path) : QString();
    return watched({path}, [&] {
        if (!keep.isEmpty()) {
            if (renameInPlace(path, keep))
                return true;
            w->notKept(path);
        }
        return QFile::remove(path);
    });
}

bool moveFile(const QString& from, const QString& to)
{
    if (from.isEmpty() || to.isEmpty())
        return false;
    return watched({from, to}, [&] { return renameInPlace(from, to); });
}

bool rename(const QString& from, const QString& to)
{
    if (from.isEmpty() || to.isEmpty())
        return false;
    // QDir renames folders as well as files.
    return watched({from, to}, [&] { return QDir().rename(from, to); });
}

bool makeFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).isDir())
        return true;
    return watched({path}, [&] { return QDir().mkdir(path); });
}

bool removeFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    return watched({path}, [&] { return QDir().rmdir(path); });
}

FileChangeWatcher* installWatcher(FileChangeWatcher* watcher)
{
    FileChangeWatcher* before = s_watcher;
    s_watcher = watcher;
    return before;
}

FileChangeWatcher* watcher() { return s_watcher; }

}  // namespace FileLayer
