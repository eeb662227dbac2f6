#include "editor/dialogs/AreaProperties.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/JournalPause.h"
#include "editor/shell/ProjectJournal.h"
#include "platform/ScriptedDialogs.h"
#include "player/records/AtomicFile.h"
#include "player/records/FileLayer.h"
#include "support/TempProject.h"
#include "support/LockedFolder.h"
#include "support/FolderSnapshot.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

int filesIn(const QString& folder) { return int(QDir(folder).entryList(QDir::Files | QDir::Hidden).size()); }

dev_t deviceOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_dev : dev_t(-1);
}

// The frame "Hall" with three areas, an event, and a file whose name has
// letters of both cases; the journal keeps its stash in a folder of the test.
class JournalStashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.makeGame();
        project.writeLines(QStringLiteral("Frames/Hall.fme"), {QStringLiteral("0"), QStringLiteral("\"255\"")});
        project.writeLines(QStringLiteral("Frames/Hall.lks"), {QStringLiteral("3")});
        for (int n = 1; n <= 3; ++n) {
            AreaProperties area;
            area.left = 15.0f * n;
            area.width = area.height = 300;
            area.actions.showMessage = true;
            area.actions.message = QStringLiteral("Area %1.").arg(n);
            ASSERT_TRUE(AreaPropertiesFiles::save(QStringLiteral("Hall"), n, area));
        }
        AreaActions event;
        event.disappear = true;
        ASSERT_TRUE(AreaPropertiesFiles::saveEvent(QStringLiteral("Hall"), 2, QStringLiteral("Key"), event));
        project.write(QStringLiteral("Areas/Hall/Notes.TXT"), QByteArray("\0\r\nnot a record\xff", 17));
        start();
    }
    void TearDown() override { journal.reset(); }

    void start(const QString& parent = QString(), JournalLimits limits = {})
    {
        journal.reset();
        journal = std::make_unique<ProjectJournal>(project.path(), limits, parent.isEmpty() ? stashes.path() : parent);
    }
    QMap<QString, QByteArray> files() const { return folderSnapshot(project.path()); }
    bool removeHall()
    {
        dialogs.queueAnswer(Dialogs::OK);
        const bool removed = FrameFiles::RemoveFrame(QStringLiteral("Hall"));
        dialogs.clear();  // the question asked
        return removed;
    }
    int stashed() const { return filesIn(journal->stashFolder()); }

    TempProject project;
    QTemporaryDir stashes;
    ScriptedDialogs dialogs;
    std::unique_ptr<ProjectJournal> journal;
};

TEST_F(JournalStashTest, ARemovedFrameGoesThroughTheStashAndComesBackByteForByteInItsLetterCase)
{
    const auto before = files();
    ASSERT_TRUE(removeHall());
    const auto after = files();
    ASSERT_FALSE(after.contains(QStringLiteral("Areas/Hall/Notes.TXT")));
    int removed = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        removed += !after.contains(it.key()) && it.value() != "<folder>";
    ASSERT_GE(removed, 9);
    // Nothing was read: the removed files are in the stash, outside the project.
    EXPECT_EQ(journal->heldBytes(), 0);
    EXPECT_EQ(stashed(), removed);
    EXPECT_FALSE(journal->stashFolder().startsWith(project.path()));

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(journal->undo());
        EXPECT_EQ(files(), before);
        EXPECT_EQ(stashed(), 0);
        ASSERT_TRUE(journal->redo());
        EXPECT_EQ(files(), after);
        EXPECT_EQ(stashed(), removed);
        EXPECT_EQ(journal->heldBytes(), 0);
    }
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // A file removed after the same action wrote it needs no stash: the
    // action already keeps its earlier state.
    const QString notes = project.path() + QStringLiteral("Areas/Hall/Notes.TXT");
    {
        JournalAction action(QStringLiteral("write and remove"));
        AtomicFile::write(notes, "new");
        FileLayer::remove(notes);
    }
    EXPECT_EQ(stashed(), 0);
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(files(), before);
}

TEST_F(JournalStashTest, WithoutAStashOnTheProjectsFileSystemTheBytesAreHeld)
{
    const auto before = files();
    // Elsewhere: on another file system, where a rename cannot go.
    QTemporaryDir shm(QStringLiteral("/dev/shm/journal-XXXXXX"));
    if (shm.isValid() && deviceOf(shm.path()) != deviceOf(project.path())) {
        start(shm.path());
        ASSERT_TRUE(removeHall());
        EXPECT_GT(journal->heldBytes(), 0);
        EXPECT_EQ(filesIn(journal->stashFolder()), 0);
        ASSERT_TRUE(journal->undo());
        EXPECT_EQ(files(), before);
    }

    // On the same file system, but the moves fail: the stash was taken away
    // after the journal made it.
    start();
    const QString notes = project.path() + QStringLiteral("Areas/Hall/Notes.TXT");
    ASSERT_TRUE(FileLayer::remove(notes));
    ASSERT_TRUE(journal->undo());
    ASSERT_TRUE(QDir(journal->stashFolder()).removeRecursively());
    ASSERT_TRUE(removeHall());
    EXPECT_GT(journal->heldBytes(), 0);
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(JournalStashTest, StashedFilesGoWithTheActionsTheJournalDropsAndWithTheJournal)
{
    start(QString(), JournalLimits{2, 64 * 1024 * 1024});
    const auto remove = [this](const QString& relative) {
        JournalAction action(QStringLiteral("remove ") + relative);
        ASSERT_TRUE(FileLayer::remove(project.path() + relative));
    };
    remove(QStringLiteral("Areas/Hall/1a.dat"));
    remove(QStringLiteral("Areas/Hall/2a.dat"));
    EXPECT_EQ(stashed(), 2);
    remove(QStringLiteral("Areas/Hall/3a.dat"));  // the first action is dropped
    EXPECT_EQ(journal->undoCount(), 2);
    EXPECT_EQ(stashed(), 2);

    // Undone, then replaced by a new action: what could be redone goes.
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(stashed(), 1);
    ASSERT_TRUE(journal->redo());
    ASSERT_TRUE(journal->undo());
    remove(QStringLiteral("Areas/Hall/Notes.TXT"));
    EXPECT_FALSE(journal->canRedo());
    EXPECT_EQ(stashed(), 2);

    journal->clear();
    EXPECT_EQ(stashed(), 0);
    remove(QStringLiteral("Areas/Hall/1b.dat"));
    const QString folder = journal->stashFolder();
    EXPECT_EQ(filesIn(folder), 1);
    journal.reset();
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(JournalStashTest, StashesOfProcessesThatNoLongerRunAreRemoved)
{
    QProcess ended;
    ended.start(QStringLiteral("true"), QStringList());
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 dead = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    const QString parent = stashes.path() + QLatin1Char('/');
    const QStringList kept = {QStringLiteral("%1-0").arg(qint64(::getpid())), QStringLiteral("notes")};
    for (const QString& folder : kept + QStringList{QStringLiteral("%1-7").arg(dead)}) {
        QDir().mkpath(parent + folder);
        QFile file(parent + folder + QStringLiteral("/0"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    start();
    for (const QString& folder : kept)
        EXPECT_TRUE(QFileInfo::exists(parent + folder + QStringLiteral("/0"))) << folder.toStdString();
    EXPECT_FALSE(QFileInfo::exists(parent + QStringLiteral("%1-7").arg(dead)));
}

TEST_F(JournalStashTest, ChangesToStashedOrRestoredFilesEndTheHistoryInsteadOfBeingOverwritten)
{
    // A file brought back by a rename keeps its time: the check still sees
    // a later change of the same size.
    ASSERT_TRUE(removeHall());
    ASSERT_TRUE(journal->undo());
    const QString links = project.path() + QStringLiteral("Frames/Hall.lks");
    project.write(QStringLiteral("Frames/Hall.lks"), "4\r\n");
    QFile file(links);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_FALSE(journal->redo());
    EXPECT_EQ(project.read(QStringLiteral("Frames/Hall.lks")), QByteArray("4\r\n"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("Hall.lks' was changed outside the editor")))
        << dialogs.messages().first().toStdString();
    EXPECT_FALSE(journal->canRedo());

    // A file taken out of the stash cannot be put back: nothing is changed.
    dialogs.clear();
    ASSERT_TRUE(removeHall());
    const auto removed = files();
    const QDir stash(journal->stashFolder());
    ASSERT_TRUE(QFile::remove(stash.filePath(stash.entryList(QDir::Files).first())));
    EXPECT_FALSE(journal->undo());
    EXPECT_EQ(files(), removed);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("was changed outside the editor")));
    EXPECT_FALSE(journal->canUndo());
    EXPECT_EQ(stashed(), 0);
}

TEST_F(JournalStashTest, AnUndoThatCannotMoveAFileBackKeepsItInTheStashAndKeepsTheHistory)
{
    const auto before = files();
    ASSERT_TRUE(removeHall());
    const auto removed = files();
    const int kept = stashed();
    LockedFolder frames(project.path() + QStringLiteral("Frames"));
    if (!frames.locked())
        GTEST_SKIP() << "the superuser cannot be stopped from writing on this file system";
    const bool undone = journal->undo();
    frames.unlock();
    EXPECT_FALSE(undone);
    EXPECT_EQ(files(), removed);
    EXPECT_EQ(stashed(), kept);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().contains(QStringLiteral("cannot be written")));
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(files(), before);
}

TEST_F(JournalStashTest, ChangesMadeWhilePausedAreNeitherRecordedNorTakenForOutsideChanges)
{
    const QString program = project.path() + QStringLiteral("Test Game.exe");
    const QString variables = project.path() + QStringLiteral("Config/Variables");
    start(QString(), JournalLimits{1, 64 * 1024 * 1024});
    {
        JournalAction action(QStringLiteral("first"));
        AtomicFile::write(program, "an author's file");
    }
    {
        JournalAction action(QStringLiteral("second"));  // drops "first", whose file the journal still knows
        AtomicFile::write(variables, "1\r\n");
    }
    for (const QByteArray& copy : {QByteArray("player 1"), QByteArray("player, copied again")}) {
        JournalPause unrecorded;
        AtomicFile::write(program, copy);
    }
    {
        JournalPause unrecorded;
        FileLayer::remove(program);
        AtomicFile::write(program, "player 3");
    }
    EXPECT_EQ(journal->undoText(), QStringLiteral("second"));
    EXPECT_EQ(journal->heldBytes(), 0);
    {
        JournalAction action(QStringLiteral("third"));
        AtomicFile::write(program, "the author's again");
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(project.read(QStringLiteral("Test Game.exe")), QByteArray("player 3"));

    // An action that still takes the file back starts from the paused write.
    {
        JournalPause unrecorded;
        AtomicFile::write(program, "player 4");
    }
    ASSERT_TRUE(journal->redo());
    EXPECT_EQ(project.read(QStringLiteral("Test Game.exe")), QByteArray("the author's again"));
    ASSERT_TRUE(journal->undo());
    EXPECT_EQ(project.read(QStringLiteral("Test Game.exe")), QByteArray("player 4"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

}  // namespace
