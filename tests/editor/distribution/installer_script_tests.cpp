#include "editor/distribution/Distribution.h"
#include "editor/distribution/InstallerScript.h"
#include "editor/shell/EditorPaths.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The project "Castle" by Ann, its folders in a temporary place, and a
// system folder holding the seven shared files.
class InstallerScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProjectPaths::setProjectPath(root.path() + QStringLiteral("/Castle"));
        record.ProjectName = QStringLiteral("castle");
        record.AdventureName = QStringLiteral("Castle");
        record.Version = QStringLiteral("1.00");
        record.AuthorName = QStringLiteral("Ann");
        touch(QStringLiteral("Castle.exe"));
        touch(QStringLiteral("Project.dat"));
        touch(QStringLiteral("Config/General"));
        touch(QStringLiteral("Frames/Hall.fme"));
        touch(QStringLiteral("Icons/hand.cur"));
        touch(QStringLiteral("Areas/Key.obj"));
        touch(QStringLiteral("Areas/Hall/1a.dat"));
        systemFolder = system.path() + QLatin1Char('/');
        for (const QString& name : InstallerScript::systemFiles())
            touch(name, systemFolder);
    }
    void TearDown() override { ProjectPaths::clear(); }

    static void touch(const QString& relative, const QString& folder = ProjectPaths::ProjectPath)
    {
        const QString path = folder + relative;
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList lines(const InstallerOptions& options = {})
    {
        const QByteArray text = InstallerScript::text(record, options, systemFolder, [this](const QString& path) {
            asked << path.mid(systemFolder.size());
            return QFile::exists(path);
        });
        EXPECT_TRUE(text.endsWith("\r\n"));
        QStringList result = QString::fromUtf8(text).split(QStringLiteral("\r\n"));
        result.removeLast();
        return result;
    }

    QTemporaryDir root;
    QTemporaryDir system;
    QString systemFolder;
    ProjectRecord record;
    QStringList asked;
};

TEST_F(InstallerScriptTest, TheWholeScriptOfASmallGame)
{
    const QString sys = systemFolder;
    const QString tail = QStringLiteral("\"; DestDir: \"{sys}\"; Flags: sharedfile uninsneveruninstall");
    const QStringList expected{
        QStringLiteral("[Setup]"),
        QStringLiteral("Bits=32"),
        QStringLiteral("AppName=Castle"),
        QStringLiteral("AppVerName=Castle version 1.00"),
        QStringLiteral("AppCopyright=By Ann"),
        QStringLiteral("DefaultDirName={pf}\\Castle"),
        QStringLiteral("DefaultGroupName=Castle"),
        QStringLiteral("MinVersion=4,3.51"),
        QStringLiteral("AlwaysCreateUninstallIcon=1"),
        QStringLiteral("BackColor=clGreen"),
        QStringLiteral("SourceDir=") + ProjectPaths::ProjectPath,
        QString(),
        QStringLiteral("[Dirs]"),
        QStringLiteral("Name: \"{app}\\Config\""),
        QStringLiteral("Name: \"{app}\\Frames\""),
        QStringLiteral("Name: \"{app}\\Icons\""),
        QStringLiteral("Name: \"{app}\\Areas\""),
        QStringLiteral("Name: \"{app}\\Areas\\Hall\""),
        QString(),
        QStringLiteral("[Files]"),
        QStringLiteral("Source: \"") + sys + QStringLiteral("msvbvm50.dll") + tail,
        QStringLiteral("Source: \"") + sys + QStringLiteral("Oleaut32.dll") + tail,
        QStringLiteral("Source: \"") + sys + QStringLiteral("Olepro32.dll") + tail,
        QStringLiteral("Source: \"") + sys + QStringLiteral("Stdole2.tlb") + tail,
        QStringLiteral("Source: \"") + sys + QStringLiteral("ctl3d32.dll") + tail,
        QStringLiteral("Source: \"") + sys + QStringLiteral("Comcat.dll") + tail,
        QStringLiteral("Source: \"") + sys + QStringLiteral("Asycfilt.dll") + tail + QStringLiteral(";"),
        QStringLiteral("Source: \"*.exe\"; DestDir: \"{app}\""),
        QStringLiteral("Source: \"config\\*.*\"; DestDir: \"{app}\\config\""),
        QStringLiteral("Source: \"frames\\*.*\"; DestDir: \"{app}\\frames\""),
        QStringLiteral("Source: \"icons\\*.*\"; DestDir: \"{app}\\icons\""),
        QStringLiteral("Source: \"areas\\*.*\"; DestDir: \"{app}\\areas\""),
        QStringLiteral("Source: \"areas\\Hall\\*.*\"; DestDir: \"{app}\\areas\\Hall\""),
        QString(),
        QStringLiteral("[Icons]"),
        QStringLiteral("Name: \"{group}\\Castle\"; Filename: \"{app}\\Castle.exe\""),
    };
    EXPECT_EQ(lines(), expected);
}

TEST_F(InstallerScriptTest, OptionsDecideTheSystemFilesTheProjectDatAndTheColour)
{
    InstallerOptions options;
    options.withoutRuntime = true;
    options.withoutSystemFiles = true;
    options.letAnyoneEdit = true;
    options.colour = QStringLiteral("Navy");
    QStringList script = lines(options);
    EXPECT_TRUE(asked.isEmpty());  // no system file is looked for
    const qsizetype files = script.indexOf(QStringLiteral("[Files]"));
    ASSERT_GE(files, 0);
    EXPECT_EQ(script[files + 1], QStringLiteral("Source: \"*.exe\"; DestDir: \"{app}\""));
    EXPECT_EQ(script[files + 2], QStringLiteral("Source: \"*.dat\"; DestDir: \"{app}\""));
    EXPECT_TRUE(script.contains(QStringLiteral("BackColor=clNavy")));

    // Only the runtime left out: the other six are looked for in order.
    options.withoutSystemFiles = false;
    asked.clear();
    lines(options);
    EXPECT_EQ(asked, InstallerScript::systemFiles().mid(1));
    // A colour the dialog does not offer falls back to its first.
    options.colour = QStringLiteral("Mauve");
    EXPECT_TRUE(lines(options).contains(QStringLiteral("BackColor=clGreen")));
}

TEST_F(InstallerScriptTest, FoldersWithoutFilesGetNoFilesLine)
{
    QFile::remove(ProjectPaths::IconsPath + QStringLiteral("hand.cur"));
    QFile::remove(ProjectPaths::AreasPath + QStringLiteral("Hall/1a.dat"));
    QDir().mkpath(ProjectPaths::AreasPath + QStringLiteral("attic"));
    QFile::remove(ProjectPaths::ProjectPath + QStringLiteral("Castle.exe"));
    const QStringList script = lines();
    // Both area folders are made, in listing order, but neither has files to copy.
    EXPECT_EQ(script.filter(QStringLiteral("{app}\\Areas\\")),
              (QStringList{QStringLiteral("Name: \"{app}\\Areas\\attic\""), QStringLiteral("Name: \"{app}\\Areas\\Hall\"")}));
    EXPECT_TRUE(script.filter(QStringLiteral("areas\\Hall")).isEmpty());
    EXPECT_TRUE(script.filter(QStringLiteral("icons\\*.*")).isEmpty());
    EXPECT_TRUE(script.filter(QStringLiteral("*.exe\"")).isEmpty());
    // Project.dat stays home unless the author lets anyone edit the game.
    EXPECT_TRUE(script.filter(QStringLiteral("*.dat")).isEmpty());

    QDir(ProjectPaths::AreasPath).removeRecursively();
    const QStringList bare = lines();
    EXPECT_EQ(bare.filter(QStringLiteral("Name: \"{app}")).size(), 4);
    EXPECT_TRUE(bare.filter(QStringLiteral("areas\\")).isEmpty());
}

TEST_F(InstallerScriptTest, MissingSystemFilesAreReportedOneByOneAndLeftOut)
{
    QFile::remove(systemFolder + QStringLiteral("Olepro32.dll"));
    QFile::remove(systemFolder + QStringLiteral("Comcat.dll"));
    ScriptedDialogs dialogs;
    const QByteArray text = InstallerScript::text(record, {}, systemFolder, Distribution::IsFile);
    const QString message = QStringLiteral(
        "'.\n\nQuendara will continue creating the installation, but this file will not be distributed.\n\n"
        "To get this file, try reinstalling Quendara.");
    EXPECT_EQ(dialogs.messages(),
              (QStringList{QStringLiteral("Unable to find '") + systemFolder + QStringLiteral("Olepro32.dll") + message,
                           QStringLiteral("Unable to find '") + systemFolder + QStringLiteral("Comcat.dll") + message}));
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_FALSE(text.contains("Olepro32.dll"));
    EXPECT_TRUE(text.contains("Stdole2.tlb"));
    EXPECT_TRUE(text.contains("Asycfilt.dll\"; DestDir: \"{sys}\"; Flags: sharedfile uninsneveruninstall;\r\n"));
}

TEST_F(InstallerScriptTest, TheScriptIsWrittenBesideTheEditor)
{
    QTemporaryDir program;
    EditorPaths::setProgramPath(program.path());
    ProjectRecord::current() = record;
    qputenv("QUENDARA_WINDOWS_FOLDER", system.path().toUtf8());  // no system/ inside: every file missing
    ScriptedDialogs dialogs;
    InstallerOptions options;
    options.withoutRuntime = options.withoutSystemFiles = true;
    ASSERT_TRUE(Distribution::CreateFiles(options));
    QFile script(program.path() + QStringLiteral("/castle.iss"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    EXPECT_TRUE(script.readAll().startsWith("[Setup]\r\nBits=32\r\nAppName=Castle\r\n"));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // A name that is not one plain file name, or a folder that cannot take the file, is reported.
    QString error;
    ProjectRecord::current().ProjectName = QStringLiteral("../castle");
    EXPECT_FALSE(Distribution::CreateFiles(options, &error));
    EXPECT_EQ(error, QStringLiteral("../castle.iss"));
    ProjectRecord::current().ProjectName = QStringLiteral("castle");

    // The system files are looked for only in a Windows folder that has a
    // system folder; without one the default options name none, silently.
    script.close();
    QTemporaryDir windows;
    qputenv("QUENDARA_WINDOWS_FOLDER", windows.path().toUtf8());
    ASSERT_TRUE(Distribution::CreateFiles(InstallerOptions{}));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    EXPECT_FALSE(script.readAll().contains("{sys}"));
    script.close();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    QDir(windows.path()).mkpath(QStringLiteral("SYSTEM"));
    QFile(windows.path() + QStringLiteral("/SYSTEM/ctl3d32.dll")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(Distribution::CreateFiles(InstallerOptions{}));
    EXPECT_EQ(dialogs.messages().size(), 6);  // every file but the one there
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    EXPECT_TRUE(script.readAll().contains("ctl3d32.dll\"; DestDir: \"{sys}\""));
    script.close();
    dialogs.clear();

    EditorPaths::setProgramPath(program.path() + QStringLiteral("/castle.iss"));
    EXPECT_FALSE(Distribution::CreateFiles(options, &error));
    EXPECT_EQ(error, program.path() + QStringLiteral("/castle.iss/castle.iss"));
    qunsetenv("QUENDARA_WINDOWS_FOLDER");
    ProjectRecord::current() = ProjectRecord{};
}

}  // namespace
