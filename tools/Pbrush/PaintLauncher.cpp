#include "tools/Pbrush/PaintLauncher.h"

#include "platform/Dialogs.h"
#include "tools/Pbrush/PaintProgramFinder.h"

#include <QProcess>

namespace {

bool startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

}  // namespace

PaintLauncher::PaintLauncher(const QString& searchPath, Starter starter)
    : m_searchPath(searchPath), m_start(starter ? std::move(starter) : Starter(startDetached))
{
}

bool PaintLauncher::launch(const QStringList& files) const
{
    const QString program = PaintProgramFinder(m_searchPath).find();
    if (program.isEmpty()) {
        MsgBox(notInstalledMessage(), Dialogs::Icon::Information, Dialogs::Buttons::OK, title());
        return false;
    }
    if (!m_start(program, files)) {
        MsgBox(QStringLiteral("Unable to start '") + program + QStringLiteral("'."), Dialogs::Icon::Exclamation,
               Dialogs::Buttons::OK, title());
        return false;
    }
    return true;
}

QString PaintLauncher::notInstalledMessage()
{
    const QStringList packages = PaintProgramFinder::debianPackages();
    return QStringLiteral("No paint program is installed.\n\nInstall one of these Debian packages: ")
           + packages.join(QStringLiteral(", ")) + QStringLiteral("\n(for example: sudo apt install ")
           + packages.first() + QStringLiteral(").");
}
