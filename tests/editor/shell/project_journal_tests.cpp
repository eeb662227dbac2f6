#include "editor/dialogs/AreaProperties.h"
#include "editor/dialogs/ProjectVariables.h"
#include "editor/shell/AreaFiles.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/ProjectJournal.h"
#include "platform/ScriptedDialogs.h"
#include "player/FrameRecord.h"
#include "player/records/AtomicFile.h"
#include "player/records/FileLayer.h"
#include "player/records/ProjectFiles.h"
#include "support/TempProject.h"
#include "support/LockedFolder.h"
#include "support/FolderSnapshot.h"

#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The frame "Hall" with two areas, an event on area 1, and the solid frame
// "Cellar" without areas, in a project with one variable.
class ProjectJournalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.makeGame();
        project.writeLines(QStringLiteral("Frames/Hall.fme"), {QStringLiteral("0"), QStringLiteral("\"255\"")});
        project.writeLines(QStringLiteral("Frames/Hall.lks"), {QStringLiteral("2")});
        project.writeLines(QStringLiteral("Frames/Cellar.fme"), {QStringLiteral("0"), QStringLiteral("\"0\"")});
        for (int n = 1; n <= 2; ++n) {
            AreaProperties area;
            area.left = 15.0f * n;
            area.width = area.height = 300;
            ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), n, area));
        }
        AreaActions event;
        event.showMessage = true;
        event.message = QStringLiteral("It opens.");
        ASSERT_TRUE(AreaPropertiesFiles::saveEvent(QStringLiteral("Hall"), 1, QStringLiteral("Key"), event));
        ASSERT_TRUE(ProjectVariables::save({QStringLiteral("Door")}));
        FrameRecord::current() = FrameRecord{};
        FrameRecord::current().Name = QStringLiteral("Hall");
        FrameRecord::current().LinksCount = 2;
        journal = std::make_unique<ProjectJournal>(project.path());
    }
    void TearDown() override
    {
        journal.reset();
        FrameRecord::current() = FrameRecord{};
    }

    QMap<QString, QByteArray> files() const { return folderSnapshot(project.path()); }

    // Runs `change` as one action and checks that undo gives back the files
    // before it and redo the files after it, twice over.
    void checkUndoRedo(const QString& text, const std::function<void()>& change)
    {
        SCOPED_TRACE(text.toStdString());
        const auto before = files();
        {
            JournalAction action(text);
            change();
        }
        const auto after = files();
        ASSERT_NE(before, after);
        ASSERT_TRUE(journal->canUndo());
        EXPECT_EQ(journal->undoText(), text);
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(journal->undo());
            EXPECT_EQ(files(), before);
            EXPECT_EQ(journal->redoText(), text);
            ASSERT_TRUE(journal->redo());
            EXPECT_EQ(files(), after);
        }
        EXPECT_TRUE(dialogs.shown().isEmpty());
    }

    TempProject project;
    ScriptedDialogs dialogs;
    std::unique_ptr<ProjectJournal> journal;
};

TEST_F(ProjectJournalTest, FrameActionsAreUndoneAndRedoneByteForByte)
{
    checkUndoRedo(QStringLiteral("new frame"), [] {
        EXPECT_EQ(FrameFiles::CreateFrame(FrameFiles::SolidColour, QStringLiteral("65280"), QString(), false),
                  QStringLiteral("Solid01"));
    });
    checkUndoRedo(QStringLiteral("rename frame 'Hall'"),
                  [] { EXPECT_TRUE(FrameFiles::RenameFrame(QStringLiteral("Hall"), QStringLiteral("Great Hall"))); });
    // Only the letter case changes: both spellings are told apart.
    checkUndoRedo(QStringLiteral("rename frame 'Great Hall'"),
                  [] { EXPECT_TRUE(FrameFiles::RenameFrame(QStringLiteral("Great Hall"), QStringLiteral("GREAT HALL"))); });
    checkUndoRedo(QStringLiteral("remove frame 'GREAT HALL'"), [this] {
        dialogs.queueAnswer(Dialogs::OK);
        EXPECT_TRUE(FrameFiles::RemoveFrame(QStringLiteral("GREAT HALL")));
        dialogs.clear();
    });
    checkUndoRedo(QStringLiteral("frame properties"), [] {
        AtomicFile::write(ProjectFiles::frameFile(QStringLiteral("Cellar")), "1\r\n\"cellar.bmp\"\r\n");
    });
    EXPECT_EQ(journal->undoCount(), 5);
}

TEST_F(ProjectJournalTest, AreaEventAndProjectActionsAreUndoneAndRedoneByteForByte)
{
    AreaProperties area;
    ASSERT_TRUE(AreaPropertiesFiles::load(QStringLiteral("Hall"), 1, area));
    checkUndoRedo(QStringLiteral("draw area 3"), [] {
        AreaProperties drawn;
        drawn.left = 600;
        drawn.width = drawn.height = 150;
        AreaPropertiesFiles::save(QStringLiteral("Hall"), 3, drawn);
        AtomicFile::write(ProjectFiles::linksFile(QStringLiteral("Hall")), "3\r\n");
    });
    checkUndoRedo(QStringLiteral("move area 1"), [area]() mutable {
        area.left += 450;
        AreaPropertiesFiles::save(QStringLiteral("Hall"), 1, area);
    });
    checkUndoRedo(QStringLiteral("area 1 properties"), [area]() mutable {
        area.pickable = true;
        area.objectName = QStringLiteral("Lamp");
        area.actions.showMessage = true;
        area.actions.message = QStringLiteral("Taken.");
        AreaPropertiesFiles::save(QStringLiteral("Hall"), 1, area);
    });
    // Removing area 1 moves area 3, with its files, into its place.
    checkUndoRedo(QStringLiteral("remove area 1"),
                  [] { EXPECT_EQ(AreaFiles::RemoveArea(QStringLiteral("Hall"), 1), 3); });
    checkUndoRedo(QStringLiteral("event 'Key' on area 2"), [] {
        AreaActions event;
        event.disappear = true;
        AreaPropertiesFiles::saveEvent(QStringLiteral("Hall"), 2, QStringLiteral("Key"), event);
    });
    checkUndoRedo(QStringLiteral("remove event"), [this] {
        EXPECT_TRUE(FileLayer::remove(project.path() + QStringLiteral("Areas/Hall/2_Key.drg")));
    });
    checkUndoRedo(QStringLiteral("project properties"), [this] {
        AtomicFile::write(project.path() + QStringLiteral("Config/General"), "\"Another Game\"\r\n640\r\n480\r\n");
    });
    checkUndoRedo(QStringLiteral("add variable 'Lamp'"),
                  [] { ProjectVariables::save({QStringLiteral("Door"), QStringLiteral("Lamp")}); });
}

TEST_F(ProjectJournalTest, AChainLongerThanTheLimitIsUndoneToItsOldestKeptAction)
{
    QMap<QString, QByteArray> afterFifty;
    for (int i = 1; i <= 150; ++i) {
        JournalAction action(QStringLiteral("action %1").arg(i));
        AtomicFile::write(project.path() + QStringLiteral("Config/Variables"), QByteArray::number(i));
        if (i % 10 == 0)
            FrameFiles::CreateFrame(FrameFiles::SolidColour, QString::number(i), QString(), false);
        if (i == 50)
            afterFifty = files();
    }
    EXPECT_EQ(journal->undoCount(), 100);
    while (journal->canUndo())
        ASSERT_TRUE(journal->undo());
    EXPECT_EQ(files(), afterFifty);
    EXPECT_EQ(journal->redoCount(), 100);
    EXPECT_EQ(journal->redoText(), QStringLiteral("action 51"));
    // A new action drops what could be redone.
    {
        JournalAction action(QStringLiteral("another"));
        AtomicFile::write(project.path() + QStringLiteral("Config/Variables"), "x");
    }
    EXPECT_FALSE(journal->canRedo());
    EXPECT_EQ(journal->undoCount(), 1);
}

TEST_F(ProjectJournalTest, HeldBytesStayUnderTheLimitOldestDroppedFirst)
{
    journal.reset();
    journal = std::make_unique<ProjectJournal>(project.path(), JournalLimits{100, 2500});
    for (int i = 0; i < 5; ++i) {
        JournalAction action(QStringLiteral("write %1").arg(i));
        AtomicFile::write(project.path() + QStringLiteral("Config/Big"), QByteArray(1000, char('a' + i)));
    }
    // The first write had no earlier bytes; each later one holds 1000.
    EXPECT_LE(journal->heldBytes(), 2500);
    EXPECT_EQ(journal->undoCount(), 2);
    ASSERT_TRUE(journal->undo());
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(project.read(QStringLiteral("Config/Big")), QByteArray(1000, 'c'));
    EXPECT_LE(journal->heldBytes(), 2500);
}

TEST_F(ProjectJournalTest, OnlyRealChangesInsideTheProjectAreRecorded)
{
    // Bytes a file already holds are not written, so there is nothing to undo.
    {
        JournalAction action(QStringLiteral("same bytes"));
        AtomicFile::write(project.path() + QStringLiteral("Frames/Hall.lks"), "2\r\n");
    }
    EXPECT_FALSE(journal->canUndo());
    // A file written and then given back its bytes is no change either.
    {
        JournalAction action(QStringLiteral("there and back"));
        AtomicFile::write(project.path() + QStringLiteral("Frames/Hall.lks"), "7\r\n");
        AtomicFile::write(project.path() + QStringLiteral("Frames/Hall.lks"), "2\r\n");
    }
    EXPECT_FALSE(journal->canUndo());
    QTemporaryDir elsewhere;
    AtomicFile::write(elsewhere.path() + QStringLiteral("/settings.ini"), "x");
    EXPECT_FALSE(journal->canUndo());

    // A change made outside any action is an action of its own.
    AtomicFile::write(project.path() + QStringLiteral("Frames/Hall.lks"), "5\r\n");
    EXPECT_EQ(journal->undoText(), QStringLiteral("change 'Hall.lks'"));
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("2\r\n"));
}

TEST_F(ProjectJournalTest, AnOutsideChangeEndsTheHistoryInsteadOfBeingOverwritten)
{
    const QString links = project.path() + QStringLiteral("Frames/Hall.lks");
    {
        JournalAction action(QStringLiteral("first"));
        AtomicFile::write(links, "3\r\n");
    }
    {
        JournalAction action(QStringLiteral("second"));
        AtomicFile::write(project.path() + QStringLiteral("Frames/Cellar.lks"), "1\r\n");
    }
    // Another program writes the file the first action would put back.
    project.write(QStringLiteral("Frames/Hall.lks"), "changed elsewhere\r\n");
    ASSERT_TRUE(journal->undo());
    EXPECT_FALSE(journal->undo());
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("changed elsewhere\r\n"));
    EXPECT_FALSE(journal->canUndo());
    EXPECT_FALSE(journal->canRedo());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("Hall.lks' was changed outside the editor")));

    // The same size, but a later time, is a change too; seen when an action
    // takes the file again, it ends what came before.
    dialogs.clear();
    {
        JournalAction action(QStringLiteral("third"));
        AtomicFile::write(links, "4\r\n");
    }
    {
        JournalAction action(QStringLiteral("fourth"));
        AtomicFile::write(project.path() + QStringLiteral("Config/Variables"), "0\r\n");
    }
    project.write(QStringLiteral("Frames/Hall.lks"), "9\r\n");
    QFile file(links);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    {
        JournalAction action(QStringLiteral("fifth"));
        AtomicFile::write(links, "5\r\n");
    }
    EXPECT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(journal->undoCount(), 1);
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("9\r\n"));
}

TEST_F(ProjectJournalTest, AnUndoThatCannotWriteNamesTheFileAndKeepsTheHistory)
{
    {
        JournalAction action(QStringLiteral("edit area 1"));
        AtomicFile::write(project.path() + QStringLiteral("Areas/Hall/1a.dat"), "moved\r\n");
    }
    const auto after = files();
    LockedFolder hall(project.path() + QStringLiteral("Areas/Hall"));
    if (!hall.locked())
        GTEST_SKIP() << "the superuser cannot be stopped from writing on this file system";
    const bool undone = journal->undo();
    hall.unlock();
    EXPECT_FALSE(undone);
    EXPECT_EQ(files(), after);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("Areas/Hall/1a.dat' cannot be written")));
    EXPECT_EQ(journal->undoText(), QStringLiteral("edit area 1"));
    EXPECT_TRUE(journal->undo());
    EXPECT_NE(files(), after);
}

}  // namespace
