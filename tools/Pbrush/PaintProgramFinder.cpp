#include "tools/Pbrush/PaintProgramFinder.h"

#include <QDir>
#include <QStandardPaths>

const QList<PaintProgramFinder::Program>& PaintProgramFinder::programs()
{
    static const QList<Program> list = {
        {QStringLiteral("pinta"), QString()},  // no Debian package; found when installed otherwise
        {QStringLiteral("kolourpaint"), QStringLiteral("kolourpaint")},
        {QStringLiteral("drawing"), QStringLiteral("drawing")},
        {QStringLiteral("mtpaint"), QStringLiteral("mtpaint")},
        {QStringLiteral("gimp"), QStringLiteral("gimp")},
        {QStringLiteral("krita"), QStringLiteral("krita")},
    };
    return list;
}

QStringList PaintProgramFinder::debianPackages()
{
    QStringList packages;
    for (const Program& p : programs())
        if (!p.debianPackage.isEmpty())
            packages.append(p.debianPackage);
    return packages;
}

PaintProgramFinder::PaintProgramFinder(const QString& searchPath)
{
    // An empty folder in PATH means the current folder to a shell; a paint
    // program is never looked for there.
    for (const QString& folder : searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            m_folders.append(folder);
}

QString PaintProgramFinder::find() const
{
    // Qt searches the process's own PATH when given no folders.
    if (m_folders.isEmpty())
        return {};
    for (const Program& p : programs()) {
        const QString found = QStandardPaths::findExecutable(p.command, m_folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}
