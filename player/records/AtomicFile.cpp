#include "player/records/AtomicFile.h"

#include "platform/FileNames.h"

#include <QSaveFile>

namespace AtomicFile {

bool write(const QString& path, const QByteArray& data, QString* error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no file name");
        return false;
    }
    QSaveFile file(FileNames::resolve(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace AtomicFile
