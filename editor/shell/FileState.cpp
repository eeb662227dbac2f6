#include "editor/shell/FileState.h"

#include <QFile>
#include <QFileInfo>

FileStamp FileStamp::of(const QString& path)
{
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.exists = info.exists();
    if (!stamp.exists)
        return stamp;
    stamp.folder = info.isDir();
    if (!stamp.folder) {
        stamp.size = info.size();
        stamp.modified = info.lastModified().toMSecsSinceEpoch();
    }
    return stamp;
}

FileState FileState::of(const QString& path, bool withBytes)
{
    const QFileInfo info(path);
    FileState state;
    state.exists = info.exists();
    state.folder = info.isDir();
    if (state.exists && !state.folder && withBytes) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            state.bytes = file.readAll();
    }
    return state;
}
