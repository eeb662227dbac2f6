#include "platform/WindowsFolder.h"

#include <QStandardPaths>

QString WindowsFolder()
{
    QString folder = qEnvironmentVariable("QUENDARA_WINDOWS_FOLDER");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quendara/windows");
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}
