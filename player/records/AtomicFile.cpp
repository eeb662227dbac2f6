#include "player/records/AtomicFile.h"

#include "platform/FileNames.h"
#include "player/records/FileLayer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {

namespace {

// A file that already holds exactly these bytes, and could be replaced, is
// left as it is: the result is the same and the disk is not made to sync
// (moving an area rewrites its three files, of which usually one changes).
// A file that could not be replaced is written anyway, so that the failure
// is reported as it would be for new bytes.
bool alreadyHolds(const QString& path, const QByteArray& data)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != data.size() || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == data;
}

}  // namespace

bool write(const QString& path, const QByteArray& data, QString* error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no file name");
        return false;
    }
    const QString resolved = FileNames::resolve(path);
    if (alreadyHolds(resolved, data))
        return true;
    return FileLayer::watched({resolved}, [&] {
        QSaveFile file(resolved);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
            if (error)
                *error = file.errorString();
            return false;
        }
        return true;
    });
}

}  // namespace AtomicFile
