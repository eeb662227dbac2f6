#include "editor/shell/ProjectJournal.h"

#include "platform/Dialogs.h"
#include "player/records/AtomicFile.h"
#include "player/records/FileLayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

ProjectJournal* s_active = nullptr;
constexpr int kMaxWriters = 32;

QString absolute(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// The entries of a folder, hidden ones included, as full paths.
QStringList entriesOf(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    const auto names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names)
        paths.append(folder + QLatin1Char('/') + name);
    return paths;
}

// True when a change to `path` can be made: the nearest folder that exists
// above it takes new entries, and an existing file can be replaced. The
// superuser passes this check everywhere; the change itself still fails on
// an immutable folder, and is then taken back.
bool canChange(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isWritable())
        return false;
    QString folder = info.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return false;
        folder = parent;
    }
    return QFileInfo(folder).isWritable();
}

// Writes the files `which` of `paths` with their bytes in `states`. Each
// write waits for its file to reach the disk; a frame's worth of files is
// written by several threads, whose waits the file system serves together.
// Gives the first file that could not be written, or an empty string.
QString writeAll(const QStringList& paths, const QList<FileState*>& states, const QList<int>& which)
{
    constexpr int kPerThread = 4;
    const int threads = std::min<int>(kMaxWriters, int((which.size() + kPerThread - 1) / kPerThread));
    std::vector<char> failed(size_t(which.size()), 0);
    const auto work = [&](int first) {
        for (int k = first; k < which.size(); k += std::max(threads, 1))
            failed[size_t(k)] = !AtomicFile::write(paths[which[k]], states[which[k]]->bytes);
    };
    if (threads <= 1) {
        work(0);
    } else {
        std::vector<std::thread> writers;
        for (int t = 0; t < threads; ++t)
            writers.emplace_back(work, t);
        for (std::thread& writer : writers)
            writer.join();
    }
    for (int k = 0; k < which.size(); ++k) {
        if (failed[size_t(k)])
            return paths[which[k]];
    }
    return {};
}

// Makes the folders' entries durable: a file moved back from the stash was
// renamed, not written, and a rename reaches the disk with its folder. The
// folders are synced together, their waits served at once.
void syncFolders(const QSet<QString>& folders)
{
    const auto sync = [](const QString& folder) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    };
    std::vector<std::thread> syncs;
    for (const QString& folder : folders)
        syncs.emplace_back(sync, folder);
    for (std::thread& thread : syncs)
        thread.join();
}

// Brings each entry to its state in `states` (as many as `paths`): removals
// first, so that a file named again in another letter case is not written
// over its old name; folders are removed deepest first and made shallowest
// first. A file in the stash is moved back rather than written.
//
// `kept` is what the journal keeps of the entries as they stand: a file that
// goes, or is replaced, is moved to its place in the stash when it has one
// (not yet taken); when that move fails, its bytes are read into `kept` and
// the file is removed. Gives the first entry that could not be changed, or
// an empty string.
//
// A crash leaves every file whole: each file is either where it was, or in
// its place, moved by one rename or written by AtomicFile. A file moved into
// the stash is not synced there: should that rename be lost, the file is
// back in the project, which loses no work. A file moved back into the
// project is synced with its folder before the undo counts as done, since
// the stash of a process that no longer runs is removed.
QString bringTo(const QStringList& paths, const QList<FileState*>& states, const QList<FileState*>& kept)
{
    QList<int> order(paths.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return paths[a].size() < paths[b].size(); });

    for (int i : order) {
        const FileStamp now = FileStamp::of(paths[i]);
        if (!now.exists || now.folder)
            continue;
        FileState& keep = *kept[i];
        if (!keep.stashed.isEmpty() && !QFileInfo::exists(keep.stashed)) {
            if (FileLayer::moveFile(paths[i], keep.stashed))
                continue;
            keep = FileState::of(paths[i]);
        }
        const FileState& want = *states[i];
        if ((!want.exists || want.folder) && !FileLayer::remove(paths[i]))
            return paths[i];
    }
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        const FileState& want = *states[*it];
        if (QFileInfo(paths[*it]).isDir() && (!want.exists || !want.folder) && !FileLayer::removeFolder(paths[*it]))
            return paths[*it];
    }
    // The folders that hold what is moved back, and above each folder made.
    QSet<QString> folders;
    for (int i : order) {
        const FileState& want = *states[i];
        if (!want.exists || !want.folder || QFileInfo(paths[i]).isDir())
            continue;
        if (!FileLayer::makeFolder(paths[i]))
            return paths[i];
        folders.insert(QFileInfo(paths[i]).absolutePath());
    }
    QList<int> files;
    bool moved = false;
    for (int i : order) {
        const FileState& want = *states[i];
        if (!want.exists || want.folder)
            continue;
        if (want.stashed.isEmpty()) {
            files.append(i);
        } else if (QFileInfo::exists(want.stashed)) {
            if (!FileLayer::moveFile(want.stashed, paths[i]))
                return paths[i];
            moved = true;
            folders.insert(QFileInfo(paths[i]).absolutePath());
        } else if (!QFileInfo(paths[i]).isFile()) {
            // Taking back a change that never reached this file: it is still
            // where it was, and its place in the stash was never taken.
            return paths[i];
        }
    }
    const QString failed = writeAll(paths, states, files);
    if (moved)
        syncFolders(folders);
    return failed;
}

// Whether the file at `path`, of `size` bytes, holds what `state` keeps.
bool holdsSame(const FileState& state, const QString& path, qint64 size)
{
    if (state.stashed.isEmpty())
        return state.bytes.size() == size && FileState::of(path).bytes == state.bytes;
    return QFileInfo(state.stashed).size() == size &&
           FileState::of(state.stashed).bytes == FileState::of(path).bytes;
}

}  // namespace

// The journal's ears on the file layer, kept apart so that the journal's own
// interface stays that of an undo history.
class ProjectJournal::Recorder : public FileChangeWatcher {
public:
    explicit Recorder(ProjectJournal& journal) : m_journal(journal) {}
    void aboutToChange(const QStringList& paths) override { m_journal.aboutToChange(paths); }
    void changed(const QStringList& paths) override { m_journal.changed(paths); }
    QString keepInsteadOfRemoving(const QString& path) override { return m_journal.keepInsteadOfRemoving(path); }
    void notKept(const QString& path) override { m_journal.notKept(path); }

private:
    ProjectJournal& m_journal;
};

ProjectJournal::ProjectJournal(const QString& projectFolder, JournalLimits limits, const QString& stashParent)
    : m_root(absolute(projectFolder) + QLatin1Char('/')),
      m_limits(limits),
      m_stash(m_root, stashParent),
      m_recorder(new Recorder(*this)),
      m_previousWatcher(FileLayer::installWatcher(m_recorder)),
      m_previousActive(s_active)
{
    s_active = this;
    if (!stashParent.isEmpty())
        JournalStash::removeStale(stashParent);
}

ProjectJournal::~ProjectJournal()
{
    if (FileLayer::watcher() == m_recorder)
        FileLayer::installWatcher(m_previousWatcher);
    if (s_active == this)
        s_active = m_previousActive;
    delete m_recorder;
}

ProjectJournal* ProjectJournal::active() { return s_active; }

void ProjectJournal::beginAction(const QString& text)
{
    if (m_depth++ == 0) {
        m_current = Action{text, {}, 0};
        m_currentIndex.clear();
    }
}

void ProjectJournal::endAction()
{
    if (m_depth == 0)
        return;
    if (--m_depth == 0)
        finishAction();
}

QString ProjectJournal::undoText() const { return m_done.empty() ? QString() : m_done.back().text; }

QString ProjectJournal::redoText() const { return m_undone.empty() ? QString() : m_undone.back().text; }

bool ProjectJournal::undo() { return step(m_done, m_undone, true); }

bool ProjectJournal::redo() { return step(m_undone, m_done, false); }

void ProjectJournal::clear()
{
    clearHistory();
    emit historyChanged();
}

void ProjectJournal::resume()
{
    if (m_paused > 0)
        --m_paused;
}

void ProjectJournal::clearHistory()
{
    for (const Action& action : m_done)
        discard(action);
    for (const Action& action : m_undone)
        discard(action);
    m_done.clear();
    m_undone.clear();
    m_known.clear();
    m_heldBytes = 0;
}

bool ProjectJournal::underProject(const QString& path) const { return absolute(path).startsWith(m_root); }

// A change made while no author action is open is still an action of its
// own: the history must hold every change to stay true to the files.
void ProjectJournal::aboutToChange(const QStringList& paths)
{
    if (m_applying || m_paused > 0)
        return;
    bool any = false;
    for (const QString& path : paths)
        any |= underProject(path);
    if (!any)
        return;
    if (m_depth == 0) {
        beginAction(QStringLiteral("change '") + QFileInfo(paths.first()).fileName() + QLatin1Char('\''));
        m_implicit = true;
    }
    for (const QString& path : paths) {
        if (underProject(path))
            capture(absolute(path));
    }
}

void ProjectJournal::changed(const QStringList& paths)
{
    m_offeredPath.clear();
    m_offeredPlace.clear();
    if (m_applying)
        return;
    if (m_paused > 0) {
        for (const QString& path : paths) {
            if (underProject(path))
                forget(absolute(path));
        }
        return;
    }
    if (!m_implicit)
        return;
    m_implicit = false;
    endAction();
}

// A file removed by an action is moved into the stash, unless the action
// already keeps an earlier state of it (then the file is not needed).
QString ProjectJournal::keepInsteadOfRemoving(const QString& path)
{
    m_offeredPath.clear();
    m_offeredPlace.clear();
    if (m_applying || m_paused > 0 || !underProject(path))
        return {};
    const QString entry = absolute(path);
    if ((m_depth > 0 && m_currentIndex.contains(entry)) || !QFileInfo(entry).isFile())
        return {};
    m_offeredPlace = m_stash.place();
    if (!m_offeredPlace.isEmpty())
        m_offeredPath = entry;
    return m_offeredPlace;
}

// The move into the stash failed and the file is about to be removed: its
// bytes are read while it is still there.
void ProjectJournal::notKept(const QString& path)
{
    const QString entry = absolute(path);
    if (entry != m_offeredPath)
        return;
    const auto index = m_currentIndex.constFind(entry);
    if (index != m_currentIndex.cend()) {
        FileState& before = m_current.entries[*index].before;
        if (before.stashed == m_offeredPlace) {
            before = FileState::of(entry);
            m_current.held += before.bytes.size();
        }
    }
    m_offeredPath.clear();
    m_offeredPlace.clear();
}

// An entry changed while paused: an action that still takes the entry back
// starts from what is there now; otherwise nothing is known of it any more.
void ProjectJournal::forget(const QString& path)
{
    if (!m_known.contains(path))
        return;
    bool taken = m_depth > 0 && m_currentIndex.contains(path);
    for (const auto* history : {&m_done, &m_undone}) {
        for (auto action = history->cbegin(); action != history->cend() && !taken; ++action) {
            for (const Entry& entry : action->entries)
                taken |= entry.path == path;
        }
    }
    if (taken)
        m_known.insert(path, FileStamp::of(path));
    else
        m_known.remove(path);
}

// Keeps the state an entry has before the action first changes it; a folder
// is kept with everything in it, since renaming or removing it takes that too.
void ProjectJournal::capture(const QString& path)
{
    if (m_currentIndex.contains(path))
        return;
    const auto known = m_known.constFind(path);
    if (known != m_known.cend() && FileStamp::of(path) != *known)
        outsideChange(path);
    Entry entry{path, {}, {}};
    if (path == m_offeredPath) {
        entry.before.exists = true;
        entry.before.stashed = m_offeredPlace;
    } else {
        entry.before = FileState::of(path);
    }
    m_current.held += entry.before.bytes.size();
    m_currentIndex.insert(path, int(m_current.entries.size()));
    const bool folder = entry.before.folder;
    m_current.entries.append(std::move(entry));
    if (folder) {
        for (const QString& child : entriesOf(path))
            capture(child);
    }
}

void ProjectJournal::finishAction()
{
    Action action = std::move(m_current);
    m_current = {};
    m_currentIndex.clear();
    // What a folder holds after the action and did not hold before (a folder
    // renamed into place) is part of the action.
    QHash<QString, int> index;
    for (int i = 0; i < action.entries.size(); ++i)
        index.insert(action.entries[i].path, i);
    for (int i = 0; i < action.entries.size(); ++i) {
        if (!QFileInfo(action.entries[i].path).isDir())
            continue;
        for (const QString& child : entriesOf(action.entries[i].path)) {
            if (!index.contains(child)) {
                index.insert(child, int(action.entries.size()));
                action.entries.append(Entry{child, FileState{}, {}});
            }
        }
    }
    QList<Entry> kept;
    for (Entry& entry : action.entries) {
        const FileStamp stamp = FileStamp::of(entry.path);
        m_known.insert(entry.path, stamp);
        const FileState& before = entry.before;
        bool same = before.exists == stamp.exists && before.folder == stamp.folder;
        if (same && stamp.exists && !stamp.folder)
            same = holdsSame(before, entry.path, stamp.size);
        if (same) {
            action.held -= before.bytes.size();
            m_stash.discard(before.stashed);
        } else
            kept.append(std::move(entry));
    }
    if (kept.isEmpty())
        return;
    action.entries = std::move(kept);
    m_heldBytes += action.held;
    m_done.push_back(std::move(action));
    for (const Action& dropped : m_undone) {
        m_heldBytes -= dropped.held;
        discard(dropped);
    }
    m_undone.clear();
    trim();
    emit historyChanged();
}

bool ProjectJournal::step(std::deque<Action>& from, std::deque<Action>& to, bool undoing)
{
    if (from.empty() || m_depth > 0)
        return false;
    Action& action = from.back();
    const QString verb = undoing ? QStringLiteral("undo") : QStringLiteral("redo");

    QStringList paths;
    for (const Entry& entry : action.entries) {
        if (FileStamp::of(entry.path) != m_known.value(entry.path)) {
            outsideChange(entry.path);
            return false;
        }
        // A file kept in the stash that is no longer there cannot be put back.
        const QString& stashed = (undoing ? entry.before : entry.after).stashed;
        if (!stashed.isEmpty() && !QFileInfo(stashed).isFile()) {
            outsideChange(stashed);
            return false;
        }
        paths.append(entry.path);
    }
    const auto fail = [&](const QString& path) {
        MsgBox(QStringLiteral("Unable to ") + verb + QStringLiteral(" '") + action.text + QStringLiteral("': '") + path +
                   QStringLiteral("' cannot be written. Nothing was changed."),
               Dialogs::Icon::Exclamation);
        return false;
    };
    for (const QString& path : paths) {
        if (!canChange(path))
            return fail(path);
    }

    // The side that is on disk now is kept for the way back: a file that goes
    // is moved into the stash, any other file is read.
    QList<FileState> now;
    QList<FileState*> target, current;
    for (Entry& entry : action.entries) {
        FileState& want = undoing ? entry.before : entry.after;
        target.append(&want);
        FileState state;
        if ((!want.exists || want.folder) && QFileInfo(entry.path).isFile())
            state.stashed = m_stash.place();
        if (state.stashed.isEmpty())
            state = FileState::of(entry.path);
        else
            state.exists = true;
        now.append(std::move(state));
    }
    for (FileState& state : now)
        current.append(&state);

    m_applying = true;
    const QString failed = bringTo(paths, target, current);
    if (!failed.isEmpty())
        bringTo(paths, current, target);
    m_applying = false;
    if (!failed.isEmpty()) {
        // Taking the attempt back may have read a file it could not move back
        // into the stash: the action now holds those bytes.
        qint64 held = 0;
        for (int i = 0; i < paths.size(); ++i) {
            m_known.insert(paths[i], FileStamp::of(paths[i]));
            held += target[i]->bytes.size();
        }
        m_heldBytes += held - action.held;
        action.held = held;
        return fail(failed);
    }

    qint64 held = 0;
    for (int i = 0; i < action.entries.size(); ++i) {
        Entry& entry = action.entries[i];
        m_known.insert(entry.path, FileStamp::of(entry.path));
        FileState& gone = undoing ? entry.after : entry.before;
        FileState& onDisk = undoing ? entry.before : entry.after;
        gone = std::move(now[i]);
        onDisk.bytes.clear();
        onDisk.stashed.clear();
        held += gone.bytes.size();
    }
    m_heldBytes += held - action.held;
    action.held = held;
    to.push_back(std::move(action));
    from.pop_back();
    trim();
    emit historyChanged();
    return true;
}

void ProjectJournal::outsideChange(QString path)
{
    clearHistory();
    MsgBox(QStringLiteral("'") + path +
               QStringLiteral("' was changed outside the editor. The undo history has ended, so that this change is not "
                              "overwritten."),
           Dialogs::Icon::Exclamation);
    emit historyChanged();
}

// The oldest actions go first; past the byte limit, the actions furthest from
// being redone go too.
void ProjectJournal::trim()
{
    while (int(m_done.size()) > m_limits.actions)
        dropFront(m_done);
    while (m_heldBytes > m_limits.bytes && !m_done.empty())
        dropFront(m_done);
    while (m_heldBytes > m_limits.bytes && !m_undone.empty())
        dropFront(m_undone);
}

void ProjectJournal::dropFront(std::deque<Action>& actions)
{
    m_heldBytes -= actions.front().held;
    discard(actions.front());
    actions.pop_front();
}

// The files an action kept in the stash go with it.
void ProjectJournal::discard(const Action& action)
{
    for (const Entry& entry : action.entries) {
        m_stash.discard(entry.before.stashed);
        m_stash.discard(entry.after.stashed);
    }
}
