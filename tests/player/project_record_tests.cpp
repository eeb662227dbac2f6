#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

namespace {

class ProjectRecordTest : public ::testing::Test {
protected:
    void SetUp() override { project.usePaths(); }
    TempProject project;
};

TEST_F(ProjectRecordTest, ReadsTheElevenFieldsWithSizesWrittenAsDoubles)
{
    project.writeLines(QStringLiteral("config/general"),
                       {QStringLiteral("\"Proj\""), QStringLiteral("\"C:\\x\\Config\\General\""), QStringLiteral("\"Quest\""),
                        QStringLiteral("2"), QStringLiteral("\"Hall\""), QStringLiteral("\"1.00\""), QStringLiteral("640"),
                        QStringLiteral("480"), QStringLiteral("\"Ann\""), QStringLiteral("\"\""), QStringLiteral("\"https://x\"")});
    FrameRecord::current().Name = QStringLiteral("stale");
    ASSERT_TRUE(LoadProjectRecord());
    const ProjectRecord& r = ProjectRecord::current();
    EXPECT_EQ(r.AdventureName, QStringLiteral("Quest"));
    EXPECT_EQ(r.StartingFrame, QStringLiteral("Hall"));
    EXPECT_EQ(r.ScreenWidth, 640);
    EXPECT_EQ(r.ScreenHeight, 480);
    EXPECT_EQ(r.AuthorEmail, QString());
    EXPECT_EQ(r.AuthorHomepage, QStringLiteral("https://x"));
    EXPECT_EQ(FrameRecord::current().Name, QString());  // the frame record is cleared first
}

TEST_F(ProjectRecordTest, AShortRecordKeepsWhatWasRead)
{
    project.writeLines(QStringLiteral("Config/General"),
                       {QStringLiteral("\"Proj\""), QStringLiteral("\"path\""), QStringLiteral("\"Quest\"")});
    EXPECT_FALSE(LoadProjectRecord());
    EXPECT_EQ(ProjectRecord::current().AdventureName, QStringLiteral("Quest"));
    EXPECT_EQ(ProjectRecord::current().StartingFrame, QString());
    EXPECT_EQ(ProjectRecord::current().ScreenWidth, 0);

    project.writeLines(QStringLiteral("Config/General"),
                       {QStringLiteral("\"Proj\""), QStringLiteral("\"path\""), QStringLiteral("\"Quest\""),
                        QStringLiteral("wide")});
    EXPECT_FALSE(LoadProjectRecord());
    EXPECT_EQ(ProjectRecord::current().AdventureName, QStringLiteral("Quest"));
}

TEST_F(ProjectRecordTest, SavedRecordReadsBackUnchanged)
{
    project.makeGame();
    ProjectRecord written;
    written.ProjectName = QStringLiteral("Ünïcode, \"less\" quotes");
    written.ProjectName.remove(QLatin1Char('"'));
    written.AdventureName = QStringLiteral("A, B and C");
    written.ScreenSizeChoice = 3;
    written.ScreenWidth = 800;
    written.ScreenHeight = 600;
    written.Version = QStringLiteral("2.0");
    ASSERT_TRUE(written.save(ProjectPaths::ConfigPath + QStringLiteral("General")));
    EXPECT_TRUE(project.read(QStringLiteral("Config/General")).contains("\r\n800\r\n600\r\n"));
    ProjectRecord read;
    ASSERT_TRUE(read.load(ProjectPaths::ConfigPath + QStringLiteral("General")));
    EXPECT_EQ(read.ProjectName, written.ProjectName);
    EXPECT_EQ(read.AdventureName, written.AdventureName);
    EXPECT_EQ(read.ScreenWidth, 800);
    EXPECT_EQ(read.Version, QStringLiteral("2.0"));
}

TEST(ProjectNameChecksumTest, SumsWindows1252CodesAndSkipsOverflowingAdditions)
{
    EXPECT_EQ(ProjectNameChecksum(QStringLiteral("abc")), 294);
    EXPECT_EQ(ProjectNameChecksum(QString()), 0);
    // 128 × 255 = 32640; the 129th addition would reach 32895 and is
    // skipped, as is every one after it.
    const QString limit(129, QChar(0xFF));
    EXPECT_EQ(ProjectNameChecksum(limit), 32640);
    // After it, 'a' still fits (32737); 'b' and 'c' would not.
    EXPECT_EQ(ProjectNameChecksum(limit + QStringLiteral("abc")), 32640 + 'a');
    // The same name gives the same value whichever encoding its file used.
    EXPECT_EQ(ProjectNameChecksum(QStringLiteral("Café €")), 'C' + 'a' + 'f' + 0xE9 + ' ' + 0x80);
}

TEST(ProjectDatTest, UsesThePrintConvention)
{
    TempProject project;
    ASSERT_TRUE(ProjectDat::write(project.path(), 294));
    EXPECT_EQ(project.read(QStringLiteral("Project.dat")), QByteArray(" 294\r\n"));
    qint16 value = 0;
    ASSERT_TRUE(ProjectDat::read(project.path(), value));
    EXPECT_EQ(value, 294);
    ASSERT_TRUE(ProjectDat::write(project.path(), -5));
    EXPECT_EQ(project.read(QStringLiteral("Project.dat")), QByteArray("-5\r\n"));
    project.write(QStringLiteral("project.DAT"), "junk");
    QFile::remove(project.path() + QStringLiteral("Project.dat"));
    EXPECT_FALSE(ProjectDat::read(project.path(), value));
}

TEST(ProjectPathsTest, DerivesTheFolderPathsFromTheProgramFolder)
{
    ProjectPaths::locateFromProgramFolder(QStringLiteral("/games/quest"));
    EXPECT_EQ(ProjectPaths::ProjectPath, QStringLiteral("/games/quest/"));
    EXPECT_EQ(ProjectPaths::FramesPath, QStringLiteral("/games/quest/Frames/"));
    EXPECT_EQ(ProjectPaths::ConfigPath, QStringLiteral("/games/quest/Config/"));
    // A program in the root folder uses that root, with one separator.
    ProjectPaths::locateFromProgramFolder(QStringLiteral("/"));
    EXPECT_EQ(ProjectPaths::ProjectPath, QStringLiteral("/"));
    EXPECT_EQ(ProjectPaths::IconsPath, QStringLiteral("/Icons/"));
    ProjectPaths::clear();
}

}  // namespace
