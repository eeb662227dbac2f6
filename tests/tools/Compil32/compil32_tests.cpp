#include "platform/Registry.h"
#include "platform/ScriptedDialogs.h"
#include "tools/Compil32/InnoScript.h"
#include "tools/Compil32/SetupBuilder.h"
#include "tools/Compil32/TarWriter.h"
#include "tools/Compil32/frmCompiler.h"

#include <QDir>
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

TEST(TarWriterTest, TarReadsWhatWeWrite)
{
    QTemporaryDir dir;
    TarWriter tar;
    const QString longFolder = QString(120, QLatin1Char('f'));
    ASSERT_TRUE(tar.addFolder(QStringLiteral("Config")));
    ASSERT_TRUE(tar.addFile(QStringLiteral("Config/General"), "\"Castle\"\r\n", 0644));
    ASSERT_TRUE(tar.addFile(QStringLiteral("Castle.exe"), "#!/bin/sh\n", 0755));
    ASSERT_TRUE(tar.addFile(longFolder + QStringLiteral("/") + QString(90, QLatin1Char('n')), "long", 0644));
    EXPECT_FALSE(tar.addFile(QString(300, QLatin1Char('x')), "too long", 0644));
    writeFile(dir.filePath(QStringLiteral("a.tar")), tar.finish());
    const auto [out, code] = run(QStringLiteral("tar"), {QStringLiteral("-xf"), dir.filePath(QStringLiteral("a.tar")),
                                                         QStringLiteral("-C"), dir.path()});
    ASSERT_EQ(code, 0) << out.toStdString();
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Config/General"))), QByteArray("\"Castle\"\r\n"));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Castle.exe"))).isExecutable());
    EXPECT_FALSE(QFileInfo(dir.filePath(QStringLiteral("Config/General"))).isExecutable());
    EXPECT_EQ(readFile(dir.filePath(longFolder + QStringLiteral("/") + QString(90, QLatin1Char('n')))), QByteArray("long"));
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

    QTemporaryDir work;
    QString project;
};

TEST_F(SetupBuilderTest, TheInstallerPutsTheGameInPlaceAndInTheMenu)
{
    InnoScript script;
    ASSERT_TRUE(InnoScript::parse(castleScript(project, work.filePath(QStringLiteral("system/"))), script));
    QByteArray installer;
    QStringList log;
    ASSERT_TRUE(SetupBuilder().build(script, installer, log));
    EXPECT_TRUE(log.contains(QStringLiteral("Skipped (not for this system): ") + work.filePath(QStringLiteral("system/")) +
                             QStringLiteral("msvbvm50.dll")));
    const QString setup = work.filePath(QStringLiteral("Setup.exe"));
    writeFile(setup, installer);

    const QString home = work.filePath(QStringLiteral("home"));
    const QString dest = work.filePath(QStringLiteral("Games/My Castle"));
    const auto [out, code] = run(QStringLiteral("sh"), {setup, dest}, {QStringLiteral("HOME=") + home, QStringLiteral("XDG_DATA_HOME=") + home + QStringLiteral("/data")});
    ASSERT_EQ(code, 0) << out.toStdString();
    // "config" in the script lands in the one "Config" folder.
    EXPECT_EQ(QDir(dest).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Areas"), QStringLiteral("Config"), QStringLiteral("Frames"), QStringLiteral("Icons")}));
    EXPECT_EQ(readFile(dest + QStringLiteral("/Config/General")), QByteArray("\"castle\"\r\n"));
    EXPECT_EQ(readFile(dest + QStringLiteral("/Areas/Hall/1a.dat")), QByteArray("0\r\n"));
    EXPECT_EQ(readFile(dest + QStringLiteral("/Areas/Key.obj")), QByteArray("\"key.ico\"\r\n"));
    EXPECT_FALSE(QFile::exists(dest + QStringLiteral("/Quest.sav")));
    EXPECT_EQ(run(dest + QStringLiteral("/Castle.exe"), {}).first, QStringLiteral("playing\n"));

    const QString entry = home + QStringLiteral("/data/applications/quendara-Castle.desktop");
    const QByteArray desktop = readFile(entry);
    EXPECT_TRUE(desktop.contains("Name=Castle\n"));
    EXPECT_TRUE(desktop.contains("Exec=\"" + dest.toUtf8() + "/Castle.exe\"\n"));

    // The uninstaller takes the game and its menu entry away.
    EXPECT_EQ(run(QStringLiteral("sh"), {dest + QStringLiteral("/Uninstall.sh")}).second, 0);
    EXPECT_FALSE(QFile::exists(dest));
    EXPECT_FALSE(QFile::exists(entry));
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
    ASSERT_TRUE(window.Start_Click());
    const QString setup = work.filePath(QStringLiteral("editor/Output/Setup.exe"));
    EXPECT_TRUE(readFile(setup).startsWith("#!/bin/sh\n"));
    EXPECT_TRUE(QFileInfo(setup).isExecutable());

    // A script that is gone is reported, and nothing is built.
    QFile::remove(setup);
    window.setScriptFile(work.filePath(QStringLiteral("editor/gone.iss")));
    EXPECT_FALSE(window.Start_Click());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to read '") + work.filePath(QStringLiteral("editor/gone.iss")) +
                                               QStringLiteral("'.")});
    EXPECT_FALSE(QFile::exists(setup));
    Registry::setFile(QString());
}

}  // namespace
