#include "editor/shell/FrameFiles.h"
#include "platform/ScriptedDialogs.h"
#include "player/FrameRecord.h"
#include "player/records/RecordSync.h"
#include "player/ProjectPaths.h"
#include "support/TempProject.h"
#include "support/LockedFolder.h"
#include "support/FolderSnapshot.h"

#include <QDir>
#include <QMap>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class FrameFilesTest : public ::testing::Test {
protected:
    void SetUp() override { project.makeGame(); }

    QStringList frames() const
    {
        QStringList names = QDir(project.path() + QStringLiteral("Frames")).entryList({QStringLiteral("*.fme")}, QDir::Files);
        names.sort(Qt::CaseInsensitive);
        return names;
    }
    QString outside(const QString& name, const QByteArray& bytes)
    {
        const QString path = elsewhere.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    TempProject project;
    QTemporaryDir elsewhere;
    ScriptedDialogs dialogs;
};

TEST_F(FrameFilesTest, SolidFramesTakeTheFirstFreeNumber)
{
    for (int i = 0; i < 3; ++i)
        FrameFiles::CreateFrame(FrameFiles::SolidColour, QStringLiteral("255"), QString(), true);
    EXPECT_EQ(frames(), (QStringList{QStringLiteral("Solid01.fme"), QStringLiteral("Solid02.fme"), QStringLiteral("Solid03.fme")}));
    dialogs.queueAnswer(Dialogs::OK);
    ASSERT_TRUE(FrameFiles::RemoveFrame(QStringLiteral("Solid02")));
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::SolidColour, QStringLiteral("65280"), QString(), false),
              QStringLiteral("Solid02"));

    // The player reads what was written: colour text, never tiled, 4 seconds, sound after video.
    FrameRecord record;
    ASSERT_TRUE(RecordFile::load(project.path() + QStringLiteral("Frames/Solid01.fme"), static_cast<FrameFile&>(record)));
    EXPECT_EQ(record.FrameKind, 0);
    EXPECT_EQ(record.Background, QStringLiteral("255"));
    EXPECT_FALSE(record.Tiled);
    EXPECT_EQ(record.DurationSeconds, 4);
    EXPECT_TRUE(record.SoundAfterVideo);
    EXPECT_EQ(project.read(QStringLiteral("Frames/Solid01.fme")),
              QByteArray("0\r\n\"255\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n"));
    EXPECT_FALSE(project.exists(QStringLiteral("Frames/Solid01.lks")));  // a new frame has no areas
}

TEST_F(FrameFilesTest, PictureFramesCopyThePictureAndAvoidTakenNames)
{
    const QString forest = outside(QStringLiteral("forest.jpg"), "first");
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::Picture, forest, FrameFiles::GetFileTitle(forest), true),
              QStringLiteral("forest"));
    outside(QStringLiteral("forest.jpg"), "second");
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::Picture, forest, QStringLiteral("forest.jpg"), false),
              QStringLiteral("forest01"));
    EXPECT_EQ(project.read(QStringLiteral("Frames/forest.jpg")), QByteArray("second"));  // copied again over the first
    FrameRecord record;
    ASSERT_TRUE(RecordFile::load(project.path() + QStringLiteral("Frames/forest01.fme"), static_cast<FrameFile&>(record)));
    EXPECT_EQ(record.FrameKind, 1);
    EXPECT_EQ(record.Background, QStringLiteral("forest.jpg"));
    EXPECT_FALSE(record.Tiled);

    // The whole ending goes, however long: "photo.jpeg" gives "photo".
    const QString photo = outside(QStringLiteral("photo.jpeg"), "x");
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::Picture, photo, QStringLiteral("photo.jpeg"), false),
              QStringLiteral("photo"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(FrameFilesTest, PicturesThatCannotBeFoundOrFramesThatCannotBeWritten)
{
    const QString missing = elsewhere.path() + QStringLiteral("/gone.bmp");
    // The frame is still made: the author may put the picture in place later.
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::Picture, missing, QStringLiteral("gone.bmp"), false), QStringLiteral("gone"));
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Sorry, unable to find '") + missing + QStringLiteral("'.")});
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Exclamation);

    // A frame file that cannot be written: the Frames folder is a file.
    dialogs.clear();
    QDir(project.path() + QStringLiteral("Frames")).removeRecursively();
    project.write(QStringLiteral("Frames"), "not a folder");
    const QString cave = outside(QStringLiteral("cave.gif"), "x");
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::Picture, cave, QStringLiteral("cave.gif"), false), QString());
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Unable to create '") + ProjectPaths::FramesPath + QStringLiteral("cave.fme'.")});
    // A solid frame fails without a word.
    dialogs.clear();
    EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::SolidColour, QStringLiteral("0"), QString(), false), QString());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(FrameFilesTest, RemovingAsksThenTakesTheFrameAndItsAreas)
{
    project.writeLines(QStringLiteral("Frames/Hall.fme"), {QStringLiteral("0")});
    project.writeLines(QStringLiteral("Frames/Hall.lks"), {QStringLiteral("2")});
    project.write(QStringLiteral("Areas/Hall/1a.dat"), "x");
    project.write(QStringLiteral("Areas/Hall/2_key.drg"), "x");
    project.write(QStringLiteral("Areas/Hall.jpg"), "kept");

    dialogs.queueAnswer(Dialogs::Cancel);
    EXPECT_FALSE(FrameFiles::RemoveFrame(QStringLiteral("Hall")));
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Do you really want to remove the frame '") + ProjectPaths::FramesPath +
                  QStringLiteral("Hall.fme' and all its clickable areas?.\n\nClick 'Cancel' to abort operation."));
    EXPECT_EQ(dialogs.shown()[0].icon, Dialogs::Icon::Question);
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/Hall.lks")));

    dialogs.queueAnswer(Dialogs::OK);
    EXPECT_TRUE(FrameFiles::RemoveFrame(QStringLiteral("hall")));  // any letter case
    EXPECT_FALSE(project.exists(QStringLiteral("Frames/Hall.fme")));
    EXPECT_FALSE(project.exists(QStringLiteral("Frames/Hall.lks")));
    EXPECT_FALSE(project.exists(QStringLiteral("Areas/Hall")));
    EXPECT_TRUE(project.exists(QStringLiteral("Areas/Hall.jpg")));

    // A frame file that is not there cannot be removed.
    dialogs.clear();
    dialogs.queueAnswer(Dialogs::OK);
    EXPECT_FALSE(FrameFiles::RemoveFrame(QStringLiteral("Hall")));
    EXPECT_EQ(dialogs.shown().last().text,
              QStringLiteral("Unable to completely remove '") + ProjectPaths::FramesPath + QStringLiteral("Hall'."));
}

TEST_F(FrameFilesTest, RenamingMovesTheFrameFileLinksAndAreaFolder)
{
    project.writeLines(QStringLiteral("Frames/Bare.fme"), {QStringLiteral("0")});
    FrameFiles::RenameFrame(QStringLiteral("Bare"), QStringLiteral("Empty"));
    EXPECT_EQ(frames(), QStringList{QStringLiteral("Empty.fme")});
    EXPECT_TRUE(dialogs.shown().isEmpty());  // no areas, nothing more to rename

    project.writeLines(QStringLiteral("Frames/Hall.fme"), {QStringLiteral("0")});
    project.writeLines(QStringLiteral("Frames/Hall.lks"), {QStringLiteral("1")});
    project.write(QStringLiteral("Areas/Hall/1a.dat"), "area");
    FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("Great Hall"));
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/Great Hall.fme")));
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/Great Hall.lks")));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Great Hall/1a.dat")), QByteArray("area"));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // Only the letter case changes.
    FrameFiles::RenameFrame(QStringLiteral("Empty"), QStringLiteral("EMPTY"));
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/EMPTY.fme")));

    // The new name is taken, or is no plain name: nothing is overwritten and the author is told.
    FrameFiles::RenameFrame(QStringLiteral("EMPTY"), QStringLiteral("great hall"));
    FrameFiles::RenameFrame(QStringLiteral("EMPTY"), QStringLiteral("../Empty"));
    EXPECT_EQ(dialogs.messages(), (QStringList{QStringLiteral("Unable to rename frame areas."), QStringLiteral("Unable to rename frame areas.")}));
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/EMPTY.fme")));
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/Great Hall.fme")));
}

// A frame "Hall" with areas and a frame "Cellar" without.
class FrameRenameTest : public FrameFilesTest {
protected:
    void SetUp() override
    {
        FrameFilesTest::SetUp();
        project.writeLines(QStringLiteral("Frames/Hall.fme"), {QStringLiteral("0")});
        project.writeLines(QStringLiteral("Frames/Hall.lks"), {QStringLiteral("1")});
        project.write(QStringLiteral("Areas/Hall/1a.dat"), "hall area");
        project.writeLines(QStringLiteral("Frames/Cellar.fme"), {QStringLiteral("1")});
    }
    QMap<QString, QByteArray> snapshot() const { return folderSnapshot(project.path()); }
};

TEST_F(FrameRenameTest, TheNameOfAnotherFrameLeavesBothFramesAsTheyWere)
{
    const auto before = snapshot();
    // The other frame's frame file, a links file or area folder left without
    // a frame: each one holds the name.
    EXPECT_FALSE(FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("Cellar")));
    EXPECT_FALSE(FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("cellar")));
    EXPECT_EQ(snapshot(), before);
    project.write(QStringLiteral("Areas/Attic/1a.dat"), "attic area");
    project.writeLines(QStringLiteral("Frames/Vault.lks"), {QStringLiteral("2")});
    const auto withStrays = snapshot();
    EXPECT_FALSE(FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("Attic")));
    EXPECT_FALSE(FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("vault")));
    EXPECT_FALSE(FrameFiles::RenameFrame(QStringLiteral("Nowhere"), QStringLiteral("Somewhere")));
    EXPECT_EQ(snapshot(), withStrays);
    EXPECT_EQ(dialogs.messages(), QStringList(5, QStringLiteral("Unable to rename frame areas.")));
}

TEST_F(FrameRenameTest, AStepThatFailsPutsBackTheStepsBefore)
{
    // The Areas folder cannot take a new entry: the frame and links files,
    // already renamed, go back.
    LockedFolder areas(project.path() + QStringLiteral("Areas"));
    if (!areas.locked())
        GTEST_SKIP() << "the superuser cannot be stopped from renaming on this file system";
    const auto before = snapshot();
    const bool renamed = FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("Great Hall"));
    areas.unlock();
    EXPECT_FALSE(renamed);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Unable to rename frame areas.")});
}

TEST_F(FrameRenameTest, FoldersAndNamesAreTakenAsSpelledOnDisk)
{
    // Only the letter case changes, with the areas.
    EXPECT_TRUE(FrameFiles::RenameFrame(QStringLiteral("hall"), QStringLiteral("HALL")));
    EXPECT_EQ(project.read(QStringLiteral("Areas/HALL/1a.dat")), QByteArray("hall area"));
    EXPECT_TRUE(project.exists(QStringLiteral("Frames/HALL.lks")));
    EXPECT_FALSE(project.exists(QStringLiteral("Frames/Hall.fme")));

    // A project whose folders are spelled in lower case.
    QDir(project.path()).rename(QStringLiteral("Frames"), QStringLiteral("frames"));
    QDir(project.path()).rename(QStringLiteral("Areas"), QStringLiteral("areas"));
    EXPECT_TRUE(FrameFiles::RenameFrame(QStringLiteral("HALL"), QStringLiteral("Great Hall")));
    EXPECT_TRUE(project.exists(QStringLiteral("frames/Great Hall.fme")));
    EXPECT_TRUE(project.exists(QStringLiteral("frames/Great Hall.lks")));
    EXPECT_EQ(project.read(QStringLiteral("areas/Great Hall/1a.dat")), QByteArray("hall area"));
    EXPECT_FALSE(project.exists(QStringLiteral("Frames")));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // Two frames that differ only in case are two frames: neither takes the other's name.
    project.writeLines(QStringLiteral("frames/great hall.fme"), {QStringLiteral("0")});
    EXPECT_FALSE(FrameFiles::RenameFrame(QStringLiteral("Great Hall"), QStringLiteral("great hall")));
    EXPECT_EQ(project.read(QStringLiteral("areas/Great Hall/1a.dat")), QByteArray("hall area"));
}

TEST(FileTitleTest, ThePartAfterTheLastSeparator)
{
    EXPECT_EQ(FrameFiles::GetFileTitle(QStringLiteral("/home/ann/forest.jpg")), QStringLiteral("forest.jpg"));
    EXPECT_EQ(FrameFiles::GetFileTitle(QStringLiteral("C:\\Art\\cave.gif")), QStringLiteral("cave.gif"));
    EXPECT_EQ(FrameFiles::GetFileTitle(QStringLiteral("cave.gif")), QStringLiteral("cave.gif"));
    EXPECT_EQ(FrameFiles::GetFileTitle(QStringLiteral("/folder/")), QString());
}

}  // namespace
