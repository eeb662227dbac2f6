#include "checker/RelativePath.h"

#include "platform/FileNames.h"
#include "player/ProjectPaths.h"

#include <QDir>

QString RelativePath::of(const QString& path)
{
    QString resolved = QDir::fromNativeSeparators(FileNames::resolve(path));
    const QString root = QDir::fromNativeSeparators(FileNames::resolve(ProjectPaths::ProjectPath));
    if (resolved.startsWith(root))
        resolved = resolved.mid(root.size());
    while (resolved.startsWith(QLatin1Char('/')))
        resolved.remove(0, 1);
    return resolved;
}
