#include "tools/Compil32/SetupBuilder.h"

#include "platform/FileNames.h"
#include "tools/Compil32/GameLayout.h"
#include "tools/Compil32/InnoScript.h"
#include "tools/Compil32/InstallerShell.h"
#include "tools/Compil32/Makeself.h"
#include "tools/Compil32/MenuIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes, QFileDevice::Permissions mode)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    return QFile::setPermissions(path, mode);
}

const QFileDevice::Permissions kProgram = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther;

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

}  // namespace

bool SetupBuilder::build(const InnoScript& script, const QString& installer, QString* error)
{
    const QString appName = script.value(QStringLiteral("AppName"));
    // The game's name becomes the name of its installed folder.
    if (!FileNames::isPlainName(appName) || appName.contains(QLatin1Char('\n')))
        return fail(error, QStringLiteral("The game's name '%1' cannot name a folder.").arg(appName));

    QTemporaryDir work;
    if (!work.isValid())
        return fail(error, QStringLiteral("Unable to make a temporary folder."));
    const QString payload = work.filePath(QStringLiteral("payload"));
    const QString setup = payload + QLatin1Char('/') + QLatin1String(InstallerShell::kSetupFolder);
    const QString game = setup + QStringLiteral("/game");
    QDir().mkpath(game);

    m_log(QStringLiteral("Reading the game's files from %1").arg(script.value(QStringLiteral("SourceDir"))));
    if (!GameLayout(m_log).stage(script, game, error))
        return false;

    const QString program = GameLayout::program(script);
    const QString source = FileNames::resolve(QString(script.value(QStringLiteral("SourceDir"))).replace(QLatin1Char('\\'), QLatin1Char('/')));
    const QString iconFile = MenuIcon::find(source, {appName, QFileInfo(program).completeBaseName()});
    m_log(iconFile.isEmpty() ? QStringLiteral("Menu icon: drawn in the installer's colour")
                             : QStringLiteral("Menu icon: %1").arg(iconFile));
    const QImage icon = MenuIcon::make(iconFile, MenuIcon::backColour(script.value(QStringLiteral("BackColor"))));
    if (!icon.save(setup + QStringLiteral("/icon.png"), "PNG"))
        return fail(error, QStringLiteral("Unable to write the menu icon."));

    if (!writeFile(setup + QStringLiteral("/install.sh"), InstallerShell::installProgram(appName, program), kProgram) ||
        !writeFile(setup + QStringLiteral("/Uninstall.sh"), InstallerShell::uninstallProgram(appName), kProgram))
        return fail(error, QStringLiteral("Unable to write the install programs."));

    m_log(QStringLiteral("Packing with makeself"));
    const QString packed = work.filePath(QStringLiteral("Setup.exe"));
    const QString label = script.value(QStringLiteral("AppVerName")).isEmpty() ? appName : script.value(QStringLiteral("AppVerName"));
    if (!Makeself::pack(payload, packed, label, QStringLiteral("./") + QLatin1String(InstallerShell::kSetupFolder) +
                                                    QStringLiteral("/install.sh"),
                        error))
        return false;

    QFile built(packed);
    if (!built.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Unable to read '%1'.").arg(packed));
    const QByteArray bytes = built.readAll();
    QDir().mkpath(QFileInfo(installer).absolutePath());
    if (!writeFile(installer, bytes, kProgram))
        return fail(error, QStringLiteral("Unable to write '%1'.").arg(installer));
    m_log(QStringLiteral("Installer made: %1 (%2 bytes)").arg(installer).arg(bytes.size()));
    return true;
}
