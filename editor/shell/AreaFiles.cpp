#include "editor/shell/AreaFiles.h"

#include "editor/shell/Editor.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace AreaFiles {

namespace {

// File names longer than their four-character extension, less it.
QStringList withoutExtensions(const QStringList& files)
{
    QStringList names;
    for (const QString& file : files) {
        if (file.size() > 4)
            names << file.left(file.size() - 4);
    }
    return names;
}

}  // namespace

qint16 RemoveArea(const QString& frameName, qint16 n)
{
    bool failed = false;
    const qint16 last = ReadLinksCount();
    const QString folderPath = FileNames::inFolder(ProjectPaths::AreasPath, frameName);
    const QString folder = folderPath.isEmpty() ? QString() : FileNames::resolve(folderPath) + QLatin1Char('/');
    const QString number = QString::number(n);
    const QString lastNumber = QString::number(last);

    if (!folder.isEmpty()) {
        QStringList doomed;
        for (const char* suffix : {"a.dat", "b.dat", "c.dat"})
            doomed += FileNames::list(folder, number + QLatin1String(suffix));
        doomed += FileNames::list(folder, number + QStringLiteral("_*.drg"));
        for (const QString& file : doomed)
            failed |= !QFile::remove(folder + file);

        if (n < last) {
            for (const char* suffix : {"a.dat", "b.dat", "c.dat"}) {
                const QString from = FileNames::resolve(folder + lastNumber + QLatin1String(suffix));
                failed |= !QFile::rename(from, folder + number + QLatin1String(suffix));
            }
            const QString prefix = lastNumber + QLatin1Char('_');
            for (const QString& file : FileNames::list(folder, prefix + QStringLiteral("*.drg")))
                failed |= !QFile::rename(folder + file, folder + number + QLatin1Char('_') + file.mid(prefix.size()));
        }
    } else {
        failed = true;
    }
    // The links file is the one of the frame being edited, like the count
    // read above; it reports its own failure. An unreadable count leaves 0,
    // never a negative count.
    Editor::WriteLinksFile(qint16(std::max(last - 1, 0)));
    if (failed)
        MsgBox(QStringLiteral("Unable to completely remove the selected area."), Dialogs::Icon::Exclamation);
    return last;
}

QStringList ListEvents()
{
    const QString folder = FileNames::inFolder(ProjectPaths::AreasPath, FrameRecord::current().Name);
    if (folder.isEmpty())
        return {};
    return withoutExtensions(FileNames::list(folder + QLatin1Char('/'), QStringLiteral("*.drg")));
}

QStringList ListObjects() { return withoutExtensions(FileNames::list(ProjectPaths::AreasPath, QStringLiteral("*.obj"))); }

}  // namespace AreaFiles
