#include "platform/Registry.h"
#include "platform/ScriptedDialogs.h"
#include "tools/Compil32/InnoScript.h"
#include "tools/Compil32/SetupBuilder.h"
#include "tools/Compil32/frmCompiler.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a program with its environment changed; gives its output and exit code.
std::pair<QString, int> run(const QString& program, const QStringList& arguments, const QStringList& environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {QString::fromUtf8(process.readAll()), process.exitCode()};
}

// The script the distribution dialog writes for the game "Castle".
QString castleScript(const QString& project, const QString& system)
{
    return QStringLiteral(
               "[Setup]\r\nBits=32\r\nAppName=Castle\r\nAppVerName=Castle version 1.00\r\nAppCopyright=By Ann\r\n"
               "DefaultDirName={pf}\\Castle\r\nDefaultGroupName=Castle\r\nMinVersion=4,3.51\r\n"
               "AlwaysCreateUninstallIcon=1\r\nBackColor=clGreen\r\nSourceDir=%1\r\n\r\n"
               "[Dirs]\r\nName: \"{app}\\Config\"\r\nName: \"{app}\\Frames\"\r\nName: \"{app}\\Icons\"\r\n"
               "Name: \"{app}\\Areas\"\r\nName: \"{app}\\Areas\\Hall\"\r\n\r\n"
               "[Files]\r\nSource: \"%2msvbvm50.dll\"; DestDir: \"{sys}\"; Flags: sharedfile uninsneveruninstall\r\n"
               "Source: \"*.exe\"; DestDir: \"{app}\"\r\n"
               "Source: \"config\\*.*\"; DestDir: \"{app}\\config\"\r\n"
               "Source: \"frames\\*.*\"; DestDir: \"{app}\\frames\"\r\n"
               "Source: \"areas\\*.*\"; DestDir: \"{app}\\areas\"\r\n"
               "Source: \"areas\\Hall\\*.*\"; DestDir: \"{app}\\areas\\Hall\"\r\n\r\n"
               "[Icons]\r\nName: \"{group}\\Castle\"; Filename: \"{app}\\Castle.exe\"\r\n")
        .arg(project, system);
}

TEST(InnoScriptTest, ReadsTheSectionsTheEditorWrites)
{
    InnoScript script;
    ASSERT_TRUE(InnoScript::parse(castleScript(QStringLiteral("/p/"), QStringLiteral("/s/")), script));
    EXPECT_EQ(script.value(QStringLiteral("appname")), QStringLiteral("Castle"));
    EXPECT_EQ(script.value(QStringLiteral("SourceDir")), QStringLiteral("/p/"));
    EXPECT_EQ(script.dirs.size(), 5);
    EXPECT_EQ(script.dirs.last(), QStringLiteral("{app}\\Areas\\Hall"));
    ASSERT_EQ(script.files.size(), 6);
    EXPECT_EQ(script.files[0].flags, (QStringList{QStringLiteral("sharedfile"), QStringLiteral("uninsneveruninstall")}));
    EXPECT_EQ(script.files[2].source, QStringLiteral("config\\*.*"));
    EXPECT_EQ(script.files[2].destination, QStringLiteral("{app}\\config"));
    ASSERT_EQ(script.icons.size(), 1);
    EXPECT_EQ(script.icons[0].filename, QStringLiteral("{app}\\Castle.exe"));

    QString error;
    EXPECT_FALSE(InnoScript::parse(QStringLiteral("[Setup]\nAppName=X\n"), script, &error));
    EXPECT_EQ(error, QStringLiteral("The script has no SourceDir in its [Setup] section."));
}

// A project folder as the distribution dialog leaves it.
class SetupBuilderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project = work.filePath(QStringLiteral("Castle project")) + QLatin1Char('/');
        writeFile(project + QStringLiteral("Castle.exe"), "#!/bin/sh\necho playing\n");
        QFile(project + QStringLiteral("Castle.exe")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        writeFile(project + QStringLiteral("Config/General"), "\"castle\"\r\n");
        writeFile(project + QStringLiteral("Config/Variables"), "0\r\n");
        writeFile(project + QStringLiteral("Frames/Hall.fme"), "0\r\n");
        writeFile(project + QStringLiteral("Areas/Key.obj"), "\"key.ico\"\r\n");
        writeFile(project + QStringLiteral("Areas/Hall/1a.dat"), "0\r\n");
        writeFile(project + QStringLiteral("Quest.sav"), "never shipped");
        QDir().mkpath(project + QStringLiteral("Icons"));
    }

    QString home() const { return work.filePath(QStringLiteral("home")); }

    // Builds the Castle installer; its path, or empty.
    QString build()
    {
        InnoScript script;
        EXPECT_TRUE(InnoScript::parse(castleScript(project, work.filePath(QStringLiteral("system/"))), script));
        const QString setup = work.filePath(QStringLiteral("Output/Setup.exe"));
        QString error;
        const bool built = SetupBuilder([this](const QString& line) { log << line; }).build(script, setup, &error);
        EXPECT_TRUE(built) << error.toStdString();
        return built ? setup : QString();
    }

    // Runs the installer as the player would, with a home of the test's own.
    std::pair<QString, int> install(QStringList arguments)
    {
        return run(QStringLiteral("sh"), arguments,
                   {QStringLiteral("HOME=") + home(), QStringLiteral("XDG_DATA_HOME=") + home() + QStringLiteral("/data")});
    }

    QTemporaryDir work;
    QString project;
    QStringList log;
};

TEST_F(SetupBuilderTest, TheInstallerPutsTheGameInPlaceAndInTheMenu)
{
    const QString setup = build();
    ASSERT_FALSE(setup.isEmpty());
    EXPECT_TRUE(log.contains(QStringLiteral("Skipped (not for this system): ") + work.filePath(QStringLiteral("system/")) +
                             QStringLiteral("msvbvm50.dll")));
    EXPECT_TRUE(QFileInfo(setup).isExecutable());

    const QString dest = work.filePath(QStringLiteral("Games/My Castle"));
    const auto [out, code] = install({setup, dest});
    ASSERT_EQ(code, 0) << out.toStdString();
    // "config" in the script lands in the one "Config" folder.
    EXPECT_EQ(QDir(dest).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Areas"), QStringLiteral("Config"), QStringLiteral("Frames"), QStringLiteral("Icons")}));
    EXPECT_EQ(readFile(dest + QStringLiteral("/Config/General")), QByteArray("\"castle\"\r\n"));
    EXPECT_EQ(readFile(dest + QStringLiteral("/Areas/Hall/1a.dat")), QByteArray("0\r\n"));
    EXPECT_EQ(readFile(dest + QStringLiteral("/Areas/Key.obj")), QByteArray("\"key.ico\"\r\n"));
    EXPECT_FALSE(QFile::exists(dest + QStringLiteral("/Quest.sav")));
    EXPECT_EQ(run(dest + QStringLiteral("/Castle.exe"), {}).first, QStringLiteral("playing\n"));

    const QString entry = home() + QStringLiteral("/data/applications/quendara-Castle.desktop");
    const QByteArray desktop = readFile(entry);
    EXPECT_TRUE(desktop.contains("Name=Castle\n"));
    EXPECT_TRUE(desktop.contains("Exec=\"" + dest.toUtf8() + "/Castle.exe\"\n"));
    EXPECT_TRUE(desktop.contains("Icon=quendara-Castle\n"));
    const QImage icon(home() + QStringLiteral("/data/icons/hicolor/64x64/apps/quendara-Castle.png"));
    EXPECT_EQ(icon.size(), QSize(64, 64));
    const auto [verdict, valid] = run(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(valid, 0) << verdict.toStdString();
    EXPECT_TRUE(verdict.isEmpty()) << verdict.toStdString();

    // The uninstaller takes the game, its folders and its menu entry away.
    EXPECT_EQ(run(QStringLiteral("sh"), {dest + QStringLiteral("/Uninstall.sh")}).second, 0);
    EXPECT_FALSE(QFile::exists(dest));
    EXPECT_FALSE(QFile::exists(work.filePath(QStringLiteral("Games"))));  // made for the game, empty again
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(QFile::exists(home() + QStringLiteral("/data/icons/hicolor/64x64/apps/quendara-Castle.png")));
}

TEST_F(SetupBuilderTest, TheUninstallerLeavesWhatTheInstallerDidNotMake)
{
    const QString setup = build();
    ASSERT_FALSE(setup.isEmpty());
    // Installed onto a desktop that holds the player's own files, one of
    // them in a folder the game also uses.
    const QString desktop = home() + QStringLiteral("/Desktop");
    writeFile(desktop + QStringLiteral("/letter.txt"), "mine");
    writeFile(desktop + QStringLiteral("/Icons/folder.png"), "mine too");
    ASSERT_EQ(install({setup, desktop}).second, 0);
    EXPECT_TRUE(QFile::exists(desktop + QStringLiteral("/Castle.exe")));
    writeFile(desktop + QStringLiteral("/Frames/note.txt"), "written after");

    EXPECT_EQ(run(QStringLiteral("sh"), {desktop + QStringLiteral("/Uninstall.sh")}).second, 0);
    QStringList left;
    QDirIterator it(desktop, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        left << it.next().mid(desktop.size() + 1);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("Frames/note.txt"), QStringLiteral("Icons/folder.png"), QStringLiteral("letter.txt")}));
    EXPECT_FALSE(QFile::exists(desktop + QStringLiteral("/Config")));
    EXPECT_FALSE(QFile::exists(desktop + QStringLiteral("/Areas")));

    // The default folder is ~/Games/<game>; ~/Games stays when it holds another game.
    writeFile(home() + QStringLiteral("/Games/Other/run"), "other game");
    ASSERT_EQ(install({setup}).second, 0);
    const QString games = home() + QStringLiteral("/Games/Castle");
    EXPECT_TRUE(QFileInfo(games + QStringLiteral("/Castle.exe")).isExecutable());
    EXPECT_EQ(run(QStringLiteral("sh"), {games + QStringLiteral("/Uninstall.sh")}).second, 0);
    EXPECT_FALSE(QFile::exists(games));
    EXPECT_TRUE(QFile::exists(home() + QStringLiteral("/Games/Other/run")));
}

TEST_F(SetupBuilderTest, TheInstallerIsAMakeselfArchive)
{
    const QString setup = build();
    ASSERT_FALSE(setup.isEmpty());
    const auto [help, helpCode] = run(QStringLiteral("sh"), {setup, QStringLiteral("--help")});
    EXPECT_TRUE(help.contains(QStringLiteral("--target dir"))) << help.toStdString();
    EXPECT_EQ(run(QStringLiteral("sh"), {setup, QStringLiteral("--check")}).second, 0);

    // --target names the game folder; the menu entry starts the game whatever
    // characters its folder holds.
    const QString target = work.filePath(QStringLiteral("Chosen $HOME's \"100%\" `x` \\ folder"));
    const auto [out, code] = install({setup, QStringLiteral("--target"), target});
    ASSERT_EQ(code, 0) << out.toStdString();
    EXPECT_EQ(readFile(target + QStringLiteral("/Config/General")), QByteArray("\"castle\"\r\n"));
    const QString entry = home() + QStringLiteral("/data/applications/quendara-Castle.desktop");
    const auto [verdict, valid] = run(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(valid, 0) << verdict.toStdString();
    EXPECT_TRUE(readFile(entry).contains("Exec=\"" + work.path().toUtf8() +
                                         "/Chosen \\\\$HOME's \\\\\"100%%\\\\\" \\\\`x\\\\` \\\\\\\\ folder/Castle.exe\"\n"))
        << readFile(entry).toStdString();
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("/.quendara-setup")));
    EXPECT_EQ(run(QStringLiteral("sh"), {target + QStringLiteral("/Uninstall.sh")}).second, 0);
    EXPECT_FALSE(QFile::exists(target + QStringLiteral("/Config")));

    // A damaged installer is refused before anything is unpacked.
    QByteArray bytes = readFile(setup);
    bytes[bytes.size() - 100] = char(bytes[bytes.size() - 100] ^ 0x55);
    writeFile(setup, bytes);
    const QString damaged = work.filePath(QStringLiteral("Damaged"));
    EXPECT_NE(install({setup, damaged}).second, 0);
    EXPECT_FALSE(QFile::exists(damaged + QStringLiteral("/Config")));
}

TEST_F(SetupBuilderTest, NamesThatCannotBeAFolderAreRefused)
{
    for (const QString& name : {QStringLiteral(".."), QStringLiteral("a/b")}) {
        InnoScript script;
        ASSERT_TRUE(InnoScript::parse(castleScript(project, QStringLiteral("/s/")).replace(QStringLiteral("AppName=Castle"),
                                                                                            QStringLiteral("AppName=") + name),
                                      script));
        QString error;
        EXPECT_FALSE(SetupBuilder().build(script, work.filePath(QStringLiteral("Bad.exe")), &error));
        EXPECT_EQ(error, QStringLiteral("The game's name '%1' cannot name a folder.").arg(name));
        EXPECT_FALSE(QFile::exists(work.filePath(QStringLiteral("Bad.exe"))));
    }
}

TEST_F(SetupBuilderTest, TheCompilerWindowBuildsTheScriptTheEditorNamed)
{
    QTemporaryDir settings;
    Registry::setFile(settings.filePath(QStringLiteral("registry.ini")));
    const QString scriptPath = work.filePath(QStringLiteral("editor/castle.iss"));
    writeFile(scriptPath, castleScript(project, QStringLiteral("/nowhere/")).toUtf8());
    ASSERT_TRUE(Registry::WriteRegistryString(Registry::Root::CurrentUser, Registry::InstallerCompilerSettings,
                                              QStringLiteral("ScriptFile"), scriptPath));
    ScriptedDialogs dialogs;
    frmCompiler window;
    EXPECT_EQ(window.scriptFile(), scriptPath);
    EXPECT_TRUE(window.cmdStart->isDefault());
    ASSERT_TRUE(window.Start_Click());
    const QString setup = work.filePath(QStringLiteral("editor/Output/Setup.exe"));
    EXPECT_TRUE(readFile(setup).startsWith("#!/bin/sh\n"));
    EXPECT_TRUE(QFileInfo(setup).isExecutable());
    // Each step is in the log.
    const QString shown = window.txtLog->toPlainText();
    for (const char* step : {"Script: ", "Packed Config/General", "Packing with makeself", "Done: "})
        EXPECT_TRUE(shown.contains(QLatin1String(step))) << step;

    // A script that is gone is reported, and nothing is built.
    QFile::remove(setup);
    window.setScriptFile(work.filePath(QStringLiteral("editor/gone.iss")));
    EXPECT_FALSE(window.Start_Click());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to read '") + work.filePath(QStringLiteral("editor/gone.iss")) +
                                               QStringLiteral("'.")});
    EXPECT_FALSE(QFile::exists(setup));
    Registry::setFile(QString());
}

TEST_F(SetupBuilderTest, WithoutAWindowTheCompilerBuildsTheScriptItIsGiven)
{
    const QString scriptPath = work.filePath(QStringLiteral("editor/castle.iss"));
    writeFile(scriptPath, castleScript(project, QStringLiteral("/nowhere/")).toUtf8());
    const auto [out, code] = run(QStringLiteral(COMPIL32_PROGRAM), {QStringLiteral("/cc"), scriptPath},
                                 {QStringLiteral("QT_QPA_PLATFORM=none")});
    ASSERT_EQ(code, 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Done: ") + work.filePath(QStringLiteral("editor/Output/Setup.exe"))));
    EXPECT_EQ(run(QStringLiteral("sh"), {work.filePath(QStringLiteral("editor/Output/Setup.exe")), QStringLiteral("--check")}).second, 0);

    const auto [missing, failed] = run(QStringLiteral(COMPIL32_PROGRAM), {QStringLiteral("/CC"), work.filePath(QStringLiteral("gone.iss"))});
    EXPECT_EQ(failed, 1);
    EXPECT_TRUE(missing.contains(QStringLiteral("Unable to read"))) << missing.toStdString();
}

}  // namespace
