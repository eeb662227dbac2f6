#include "player/records/FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace FileLayer {

namespace {
FileChangeWatcher* s_watcher = nullptr;
}

bool remove(const QString& path)
{
    if (path.isEmpty())
        return false;
    return watched({path}, [&] { return QFile::remove(path); });
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
