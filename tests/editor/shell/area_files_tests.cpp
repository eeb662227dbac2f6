#include "editor/shell/AreaFiles.h"
#include "editor/shell/Editor.h"
#include "platform/ScriptedDialogs.h"
#include "player/FrameRecord.h"
#include "support/TempProject.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The frame "Hall" with three areas, events on areas 1 and 3, and an object.
class AreaFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.makeGame();
        project.writeLines(QStringLiteral("Frames/Hall.fme"), {QStringLiteral("0")});
        project.writeLines(QStringLiteral("Frames/Hall.lks"), {QStringLiteral("3")});
        for (int n = 1; n <= 3; ++n) {
            for (const char* suffix : {"a.dat", "b.dat", "c.dat"})
                project.write(QStringLiteral("Areas/Hall/%1%2").arg(n).arg(QLatin1String(suffix)), QByteArray::number(n));
        }
        project.write(QStringLiteral("Areas/Hall/1_key.drg"), "1 key");
        project.write(QStringLiteral("Areas/Hall/3_key.drg"), "3 key");
        project.write(QStringLiteral("Areas/Hall/3_Oil Can.drg"), "3 oil");
        project.write(QStringLiteral("Areas/Hall/13_key.drg"), "13 key");
        project.write(QStringLiteral("Areas/Key.obj"), "k");
        project.write(QStringLiteral("Areas/key.gif"), "g");
        FrameRecord::current() = FrameRecord{};
        FrameRecord::current().Name = QStringLiteral("Hall");
    }
    void TearDown() override { FrameRecord::current() = FrameRecord{}; }

    QStringList areaFiles() const
    {
        QStringList files = QDir(project.path() + QStringLiteral("Areas/Hall")).entryList(QDir::Files);
        files.sort();
        return files;
    }

    TempProject project;
    ScriptedDialogs dialogs;
};

TEST_F(AreaFilesTest, RemovingAnAreaMovesTheLastIntoItsPlace)
{
    EXPECT_EQ(AreaFiles::RemoveArea(QStringLiteral("Hall"), 1), 3);
    EXPECT_EQ(areaFiles(), (QStringList{QStringLiteral("13_key.drg"), QStringLiteral("1_Oil Can.drg"), QStringLiteral("1_key.drg"),
                                        QStringLiteral("1a.dat"), QStringLiteral("1b.dat"), QStringLiteral("1c.dat"),
                                        QStringLiteral("2a.dat"), QStringLiteral("2b.dat"), QStringLiteral("2c.dat")}));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/1a.dat")), QByteArray("3"));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/1_key.drg")), QByteArray("3 key"));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/13_key.drg")), QByteArray("13 key"));  // not area 1's nor 3's
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("2\r\n"));
    EXPECT_EQ(FrameRecord::current().LinksCount, 2);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // Removing the last area only deletes its files.
    EXPECT_EQ(AreaFiles::RemoveArea(QStringLiteral("Hall"), 2), 2);
    EXPECT_EQ(areaFiles(), (QStringList{QStringLiteral("13_key.drg"), QStringLiteral("1_Oil Can.drg"), QStringLiteral("1_key.drg"),
                                        QStringLiteral("1a.dat"), QStringLiteral("1b.dat"), QStringLiteral("1c.dat")}));
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("1\r\n"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(AreaFilesTest, FailuresAreReportedOnceAtTheEnd)
{
    // The last area lost its b.dat: the move is incomplete.
    QFile::remove(project.path() + QStringLiteral("Areas/Hall/3b.dat"));
    AreaFiles::RemoveArea(QStringLiteral("Hall"), 2);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to completely remove the selected area.")});
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/2a.dat")), QByteArray("3"));
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("2\r\n"));

}

TEST_F(AreaFilesTest, NothingIsRemovedWithoutAReadableCountOrBeyondIt)
{
    const QStringList before = areaFiles();
    // An area number the links file does not count: its files stay.
    project.write(QStringLiteral("Areas/Hall/4a.dat"), "stray");
    for (const qint16 n : {qint16(4), qint16(0)}) {
        dialogs.clear();
        EXPECT_EQ(AreaFiles::RemoveArea(QStringLiteral("Hall"), n), 3);
        EXPECT_EQ(dialogs.messages(),
                  QStringList{QStringLiteral("Unable to remove the selected area: the frame has 3 area(s), not an area %1. "
                                             "Nothing was removed.").arg(n)});
    }
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/4a.dat")), QByteArray("stray"));
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("3\r\n"));
    QFile::remove(project.path() + QStringLiteral("Areas/Hall/4a.dat"));

    // A links file that is missing or holds no number: writing 0 would hide
    // every area of the frame, so nothing changes.
    for (const QByteArray& content : {QByteArray(), QByteArray("three\r\n")}) {
        dialogs.clear();
        QFile::remove(project.path() + QStringLiteral("Frames/Hall.lks"));
        if (!content.isEmpty())
            project.write(QStringLiteral("Frames/Hall.lks"), content);
        EXPECT_EQ(AreaFiles::RemoveArea(QStringLiteral("Hall"), 1), 0);
        EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to remove the selected area: '") +
                                                  project.path() + QStringLiteral("Frames/Hall.lks' cannot be read. Nothing was removed.")});
        EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(areaFiles(), before);
        EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), content);
    }
}

TEST_F(AreaFilesTest, TheLinksFileThatCannotBeWrittenIsReported)
{
    ASSERT_TRUE(Editor::WriteLinksFile(5));
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("5\r\n"));
    FrameRecord::current().Name = QStringLiteral("../Hall");
    EXPECT_FALSE(Editor::WriteLinksFile(1));
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Sorry, unable to access project files. The project folder may be Read-Only.")});
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Error"));
}

TEST_F(AreaFilesTest, EventsAndObjectsAreListedWithoutTheirExtensions)
{
    EXPECT_EQ(AreaFiles::ListEvents(), (QStringList{QStringLiteral("13_key"), QStringLiteral("1_key"),
                                                    QStringLiteral("3_key"), QStringLiteral("3_Oil Can")}));
    EXPECT_EQ(AreaFiles::ListObjects(), QStringList{QStringLiteral("Key")});
    FrameRecord::current().Name = QStringLiteral("Nowhere");
    EXPECT_TRUE(AreaFiles::ListEvents().isEmpty());
}

}  // namespace
