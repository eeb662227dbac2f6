#pragma once

#include "editor/shell/FileState.h"
#include "editor/shell/JournalStash.h"
#include "player/records/FileChangeWatcher.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <deque>

// The undo history of the open project. Every change the file layer makes
// under the project folder while an author action is open (one dialog's OK,
// one drag, one removal, one rename, one new frame) is recorded with the
// entry's earlier state; undo puts the entries back byte for byte, with
// their names in the letter case they had, and redo makes the action's
// result again.
//
// Only the earlier bytes of actions that can be undone, and the later bytes
// of actions that can be redone, are held: the other side is on disk. A file
// an action removes is not read at all: it is moved into the journal's stash
// (`JournalStash`), and undo moves it back. Before
// the journal writes an entry it checks that the entry's size and time are
// still those it last saw; when someone else changed it, the history ends
// with a message rather than overwrite that change.
//
// One journal is active at a time: it installs itself as the file layer's
// watcher for as long as it lives, and is found by `active()`.
// How much history a journal keeps: the last `actions` actions, and never
// more than `bytes` of file contents held for them in memory. Files kept in
// the stash are not counted: they take no memory, and the disk space they
// take is what the author removed, given back when their action is dropped.
struct JournalLimits {
    int actions = 100;
    qint64 bytes = 64 * 1024 * 1024;
};

class ProjectJournal : public QObject {
    Q_OBJECT

public:
    // `stashParent`: where the stash of removed files is made; stashes left
    // there by processes that no longer run are removed.
    explicit ProjectJournal(const QString& projectFolder, JournalLimits limits = {},
                            const QString& stashParent = JournalStash::defaultParent());
    ~ProjectJournal() override;

    static ProjectJournal* active();
    // The project folder, absolute, with a closing separator.
    QString folder() const { return m_root; }

    // Actions nest: changes between the outermost begin and its end make one
    // action. An action that changed nothing is not kept.
    void beginAction(const QString& text);
    void endAction();

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    // What an undo or a redo would take back or make again: "remove frame 'Cellar'".
    QString undoText() const;
    QString redoText() const;
    int undoCount() const { return int(m_done.size()); }
    int redoCount() const { return int(m_undone.size()); }
    qint64 heldBytes() const { return m_heldBytes; }
    // The folder of this journal's stash (it may not exist).
    QString stashFolder() const { return m_stash.folder(); }

    // False, with the author told why, when nothing was done: a file that
    // cannot be written leaves the history as it was; an outside change ends it.
    bool undo();
    bool redo();

    // Forgets the whole history.
    void clear();

    // Changes made while paused (by `JournalPause`) are not author actions
    // and are not recorded; the journal forgets what it knew of those
    // entries, so that they are not taken for outside changes later.
    void pause() { ++m_paused; }
    void resume();

signals:
    void historyChanged();

private:
    struct Entry {
        QString path;
        FileState before;
        FileState after;
    };
    struct Action {
        QString text;
        QList<Entry> entries;
        qint64 held = 0;
    };
    class Recorder;

    void aboutToChange(const QStringList& paths);
    void changed(const QStringList& paths);
    QString keepInsteadOfRemoving(const QString& path);
    void notKept(const QString& path);
    void forget(const QString& path);
    bool underProject(const QString& path) const;
    void capture(const QString& path);
    void finishAction();
    bool step(std::deque<Action>& from, std::deque<Action>& to, bool undoing);
    // Takes the path by value: ending the history frees the entry that names it.
    void outsideChange(QString path);
    void trim();
    void clearHistory();
    void discard(const Action& action);
    void dropFront(std::deque<Action>& actions);

    QString m_root;
    JournalLimits m_limits;
    std::deque<Action> m_done;
    std::deque<Action> m_undone;
    qint64 m_heldBytes = 0;
    // The stamp of every entry the history touches, as the journal last saw it.
    QHash<QString, FileStamp> m_known;

    Action m_current;
    QHash<QString, int> m_currentIndex;
    int m_depth = 0;
    bool m_implicit = false;
    bool m_applying = false;
    int m_paused = 0;

    JournalStash m_stash;
    // The removal the file layer is making by a move into the stash.
    QString m_offeredPath;
    QString m_offeredPlace;

    Recorder* m_recorder;
    FileChangeWatcher* m_previousWatcher;
    ProjectJournal* m_previousActive;
};
