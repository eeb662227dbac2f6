#include "editor/shell/RecentProjects.h"

#include "platform/Registry.h"

#include <QDir>

namespace RecentProjects {

namespace {

const QString kKey = QStringLiteral("Software\\Quendara\\Recent Projects");

QString valueName(int i) { return QStringLiteral("Project%1").arg(i + 1); }

// Folders are kept with one closing separator, so that one project is not
// listed twice for the way its folder was written.
QString normal(const QString& folder) { return QDir::cleanPath(folder) + QLatin1Char('/'); }

void store(const QStringList& folders)
{
    for (int i = 0; i < kKept; ++i)
        Registry::WriteRegistryString(Registry::Root::CurrentUser, kKey, valueName(i), folders.value(i));
}

}  // namespace

QStringList list()
{
    QStringList folders;
    for (int i = 0; i < kKept; ++i) {
        const QString folder = Registry::readString(Registry::Root::CurrentUser, kKey, valueName(i)).value_or(QString());
        if (!folder.isEmpty() && !folders.contains(normal(folder)))
            folders.append(normal(folder));
    }
    return folders;
}

void add(const QString& folder)
{
    if (folder.isEmpty())
        return;
    QStringList folders = list();
    folders.removeAll(normal(folder));
    folders.prepend(normal(folder));
    store(folders.mid(0, kKept));
}

void remove(const QString& folder)
{
    QStringList folders = list();
    folders.removeAll(normal(folder));
    store(folders);
}

}  // namespace RecentProjects
