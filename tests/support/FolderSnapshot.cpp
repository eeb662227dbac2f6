#include "support/FolderSnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QMap<QString, QByteArray> folderSnapshot(const QString& root)
{
    const QString base = QDir(root).absolutePath() + QLatin1Char('/');
    QMap<QString, QByteArray> entries;
    QDirIterator it(base, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = info.absoluteFilePath().mid(base.size());
        QFile file(info.filePath());
        entries.insert(relative, info.isDir() ? QByteArrayLiteral("<folder>")
                                              : (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()));
    }
    return entries;
}
