#include "editor/shell/Editor.h"
#include "editor/shell/Editor2.h"
#include "editor/shell/EditorPaths.h"
#include "editor/shell/Validate.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A project record whose first value, the project name, is `name`.
void writeGeneral(const QString& configFolder, const QString& name)
{
    QDir().mkpath(configFolder);
    QFile file(configFolder + QStringLiteral("General"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\"" + name.toUtf8() + "\"\r\n\"path\"\r\n\"Quest\"\r\n");
}

// A new project "Quest" in a temporary folder, with an editor program folder
// beside it that ships a few icons.
class EditorServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProjectRecord::current() = ProjectRecord{};
        ProjectRecord::current().ProjectName = QStringLiteral("abc");
        ProjectPaths::setProjectPath(root.path() + QStringLiteral("/Quest"));
        EditorPaths::setProgramPath(program.path());
        QDir(program.path()).mkdir(QStringLiteral("icons"));
        for (const char* name : {"hand.ico", "ARROW.CUR", "notes.txt", "photo.bmp"}) {
            QFile file(program.path() + QStringLiteral("/icons/") + QString::fromLatin1(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
    }
    void TearDown() override
    {
        ProjectPaths::clear();
        ProjectRecord::current() = ProjectRecord{};
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir root;
    QTemporaryDir program;
    ScriptedDialogs dialogs;
};

TEST_F(EditorServicesTest, ANewProjectGetsItsFoldersAndStartingFiles)
{
    Editor::CreateProjectFolders();
    for (const QString& folder : {ProjectPaths::FramesPath, ProjectPaths::AreasPath, ProjectPaths::IconsPath})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    // Every .ico and .cur that ships with the editor, whatever the case of its name; nothing else.
    QStringList icons = QDir(ProjectPaths::IconsPath).entryList(QDir::Files);
    icons.sort();
    EXPECT_EQ(icons, (QStringList{QStringLiteral("ARROW.CUR"), QStringLiteral("hand.ico")}));
    EXPECT_EQ(read(ProjectPaths::IconsPath + QStringLiteral("hand.ico")), QByteArray("hand.ico"));

    EXPECT_EQ(read(ProjectPaths::ProjectPath + QStringLiteral("Project.dat")), QByteArray(" 294\r\n"));
    EXPECT_EQ(read(ProjectPaths::ConfigPath + QStringLiteral("Version")), QByteArray("\"Version 2.01\"\r\n"));
    EXPECT_EQ(read(ProjectPaths::ConfigPath + QStringLiteral("Variables")), QByteArray("0\r\n"));
    EXPECT_EQ(Editor::ReadProjectVersion(ProjectPaths::ProjectPath), QStringLiteral("Version 2.01"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(EditorServicesTest, FoldersThatExistUnderAnotherCaseAreUsedNotDuplicated)
{
    QDir().mkpath(ProjectPaths::ProjectPath + QStringLiteral("frames"));
    QDir().mkpath(ProjectPaths::ProjectPath + QStringLiteral("CONFIG"));
    Editor::CreateProjectFolders();
    QStringList entries = QDir(ProjectPaths::ProjectPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    entries.sort();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Areas"), QStringLiteral("CONFIG"), QStringLiteral("Icons"),
                                    QStringLiteral("frames")}));
    EXPECT_EQ(Editor::ReadProjectVersion(ProjectPaths::ProjectPath), QStringLiteral("Version 2.01"));
    // Making a folder that exists says nothing.
    Editor::MakeFolderQuietly(ProjectPaths::FramesPath);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(EditorServicesTest, FilesThatCannotBeWrittenAreReportedAndTheRestGoesOn)
{
    // Config is a file and Project.dat a folder: neither can be written.
    QDir().mkpath(ProjectPaths::ProjectPath + QStringLiteral("Project.dat"));
    QFile config(ProjectPaths::ProjectPath + QStringLiteral("Config"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.close();
    Editor::CreateProjectFolders();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Unable to save important project information.")));
    EXPECT_TRUE(dialogs.shown()[0].text.endsWith(
        QStringLiteral("\n\nNext time you run Quendara, if you have troubles loading your project, please contact the authors.")));
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(dialogs.shown()[1].text,
              QStringLiteral("Sorry, unable to access project files. The project folder may be Read-Only."));
    EXPECT_EQ(dialogs.shown()[1].title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.shown()[1].icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(QFileInfo(ProjectPaths::IconsPath + QStringLiteral("hand.ico")).exists());
    EXPECT_EQ(Editor::ReadProjectVersion(ProjectPaths::ProjectPath), QString());
}

TEST_F(EditorServicesTest, TheCheckValueMatchesOnlyTheNameItWasMadeFor)
{
    EXPECT_FALSE(Validate::VerifyProjectChecksum());  // nothing written yet
    Editor::CreateProjectFolders();
    writeGeneral(ProjectPaths::ConfigPath, QStringLiteral("abc"));
    EXPECT_TRUE(Validate::VerifyProjectChecksum());
    writeGeneral(ProjectPaths::ConfigPath, QStringLiteral("abd"));
    EXPECT_FALSE(Validate::VerifyProjectChecksum());
    ProjectRecord::current().ProjectName = QStringLiteral("abd");
    ASSERT_TRUE(Editor2::SaveProjectChecksum());
    EXPECT_TRUE(Validate::VerifyProjectChecksum());
    QFile::remove(ProjectPaths::ProjectPath + QStringLiteral("Project.dat"));
    EXPECT_FALSE(Validate::VerifyProjectChecksum());
}

TEST_F(EditorServicesTest, TheStartingFrameMustBeNamedAndHaveItsFile)
{
    Editor::CreateProjectFolders();
    const QString message = QStringLiteral(
        "You must select the frame you want to show when starting the game.\n\n"
        "Please select a valid Starting Frame from the project properties.");
    ProjectRecord& record = ProjectRecord::current();
    for (const QString& start : {QString(), QStringLiteral("Hall"), QStringLiteral("../Quest/Config/Version")}) {
        record.StartingFrame = start;
        dialogs.clear();
        EXPECT_EQ(Validate::CheckStartFrame(), Validate::No) << start.toStdString();
        EXPECT_EQ(dialogs.messages(), QStringList{message});
        EXPECT_EQ(dialogs.shown().value(0).icon, Dialogs::Icon::Information);
    }
    QFile frame(ProjectPaths::FramesPath + QStringLiteral("hall.FME"));
    ASSERT_TRUE(frame.open(QIODevice::WriteOnly));
    frame.close();
    record.StartingFrame = QStringLiteral("Hall");
    dialogs.clear();
    EXPECT_EQ(Validate::CheckStartFrame(), Validate::Passed);
    EXPECT_EQ(Validate::FrameFileMissing(QStringLiteral("HALL")), Validate::Passed);
    EXPECT_EQ(Validate::FrameFileMissing(QStringLiteral("Cellar")), Validate::No);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(EditorServicesTest, ProjectFoldersAreThoseWithAProjectRecord)
{
    EXPECT_EQ(Validate::IsProjectFolder(ProjectPaths::ProjectPath), Validate::No);
    writeGeneral(ProjectPaths::ProjectPath + QStringLiteral("config/"), QStringLiteral("abc"));
    EXPECT_EQ(Validate::IsProjectFolder(ProjectPaths::ProjectPath), Validate::Yes);
    QString withoutSeparator = ProjectPaths::ProjectPath;
    withoutSeparator.chop(1);
    EXPECT_EQ(Validate::IsProjectFolder(withoutSeparator), Validate::Yes);
}

TEST(ValidateTest, NamesAndTextsTheAuthorTypes)
{
    EXPECT_EQ(Validate::HasForbiddenCharacters(QStringLiteral("The Lighthouse Keeper 2")), Validate::Passed);
    EXPECT_EQ(Validate::HasForbiddenCharacters(QString()), Validate::Passed);
    for (const char* name : {"a,b", "a\\b", "a/b", "a:b", "a*", "a?", "<a>", "a|b", "say \"hi\""})
        EXPECT_EQ(Validate::HasForbiddenCharacters(QString::fromLatin1(name)), Validate::No) << name;
    EXPECT_TRUE(Validate::HasQuotationMark(QStringLiteral("say \"hi\"")));
    EXPECT_FALSE(Validate::HasQuotationMark(QStringLiteral("it's")));

    ScriptedDialogs dialogs;
    Validate::ShowForbiddenCharactersMessage();
    Validate::ShowQuotationMarkMessage();
    EXPECT_EQ(dialogs.messages(),
              (QStringList{QStringLiteral("Sorry, a filename cannot contain any of the following characters :\n\" \\ / : * ? < > | ,"),
                           QStringLiteral("Please do not use quotation marks: \"")}));
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(dialogs.shown()[1].icon, Dialogs::Icon::None);
}

TEST(ListLookupTest, FirstExactMatchOrMinusOne)
{
    QStringList combo;
    EXPECT_EQ(Editor2::FindInCombo(combo, QString()), -1);
    combo = {QStringLiteral("Hall"), QStringLiteral("hall"), QStringLiteral("Cellar"), QStringLiteral("Hall")};
    EXPECT_EQ(Editor2::FindInCombo(combo, QStringLiteral("Hall")), 0);
    EXPECT_EQ(Editor2::FindInCombo(combo, QStringLiteral("hall")), 1);
    EXPECT_EQ(Editor2::FindInCombo(combo, QStringLiteral("Cellar")), 2);
    EXPECT_EQ(Editor2::FindInCombo(combo, QStringLiteral("Cellar ")), -1);

    QStringList list;
    EXPECT_EQ(Editor2::FindInList(list, QStringLiteral("x")), -1);
    EXPECT_EQ(Editor2::FindInListView(list, QStringLiteral("x")), -1);
    list = {QStringLiteral("hand.ico"), QStringLiteral("arrow.cur")};
    EXPECT_EQ(Editor2::FindInList(list, QStringLiteral("arrow.cur")), 1);
    EXPECT_EQ(Editor2::FindInListView(list, QStringLiteral("arrow.cur")), 2);  // list views count from 1
    EXPECT_EQ(Editor2::FindInListView(list, QStringLiteral("ARROW.CUR")), -1);
}

TEST(RunAndWaitTest, GivesTheExitCodeOrTheReasonItCouldNotStart)
{
    EXPECT_EQ(Editor2::RunAndWait(QStringLiteral("sh -c \"exit 2\"")), 2);
    QString error;
    EXPECT_EQ(Editor2::RunAndWait(QStringLiteral("/nonexistent/Compil32"), &error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
