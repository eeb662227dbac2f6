#include "editor/shell/ProjectJournal.h"

#include "platform/Dialogs.h"
#include "player/records/AtomicFile.h"
#include "player/records/FileLayer.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <thread>
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
QString writeAll(const QStringList& paths, const QList<const FileState*>& states, const QList<int>& which)
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

// Brings each entry to its state in `states` (as many as `paths`): removals
// first, so that a file named again in another letter case is not written
// over its old name; folders are removed deepest first and made shallowest
// first. Gives the first entry that could not be changed, or an empty string.
QString bringTo(const QStringList& paths, const QList<const FileState*>& states)
{
    QList<int> order(paths.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return paths[a].size() < paths[b].size(); });

    for (int i : order) {
        const FileStamp now = FileStamp::of(paths[i]);
        const FileState& want = *states[i];
        if (now.exists && !now.folder && (!want.exists || want.folder) && !FileLayer::remove(paths[i]))
            return paths[i];
    }
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        const FileState& want = *states[*it];
        if (QFileInfo(paths[*it]).isDir() && (!want.exists || !want.folder) && !FileLayer::removeFolder(paths[*it]))
            return paths[*it];
    }
    for (int i : order) {
        const FileState& want = *states[i];
        if (want.exists && want.folder && !FileLayer::makeFolder(paths[i]))
            return paths[i];
    }
    QList<int> files;
    for (int i : order) {
        if (states[i]->exists && !states[i]->folder)
            files.append(i);
    }
    return writeAll(paths, states, files);
}

}  // namespace

// The journal's ears on the file layer, kept apart so that the journal's own
// interface stays that of an undo history.
class ProjectJournal::Recorder : public FileChangeWatcher {
public:
    explicit Recorder(ProjectJournal& journal) : m_journal(journal) {}
    void aboutToChange(const QStringList& paths) override { m_journal.aboutToChange(paths); }
    void changed(const QStringList& paths) override { m_journal.changed(paths); }

private:
    ProjectJournal& m_journal;
};

ProjectJournal::ProjectJournal(const QString& projectFolder, JournalLimits limits)
    : m_root(absolute(projectFolder) + QLatin1Char('/')),
      m_limits(limits),
      m_recorder(new Recorder(*this)),
      m_previousWatcher(FileLayer::installWatcher(m_recorder)),
      m_previousActive(s_active)
{
    s_active = this;
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

void ProjectJournal::clearHistory()
{
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
    if (m_applying)
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

void ProjectJournal::changed(const QStringList&)
{
    if (m_applying || !m_implicit)
        return;
    m_implicit = false;
    endAction();
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
    Entry entry{path, FileState::of(path), {}};
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
            same = before.bytes.size() == stamp.size && FileState::of(entry.path).bytes == before.bytes;
        if (same)
            action.held -= before.bytes.size();
        else
            kept.append(std::move(entry));
    }
    if (kept.isEmpty())
        return;
    action.entries = std::move(kept);
    m_heldBytes += action.held;
    m_done.push_back(std::move(action));
    for (const Action& dropped : m_undone)
        m_heldBytes -= dropped.held;
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

    // The side that is on disk now is read, to be held for the way back.
    QList<FileState> now;
    QList<const FileState*> target, current;
    for (const Entry& entry : action.entries) {
        now.append(FileState::of(entry.path));
        target.append(undoing ? &entry.before : &entry.after);
    }
    for (const FileState& state : now)
        current.append(&state);

    m_applying = true;
    const QString failed = bringTo(paths, target);
    if (!failed.isEmpty())
        bringTo(paths, current);
    m_applying = false;
    if (!failed.isEmpty()) {
        for (const QString& path : paths)
            m_known.insert(path, FileStamp::of(path));
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

void ProjectJournal::outsideChange(const QString& path)
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
    while (int(m_done.size()) > m_limits.actions) {
        m_heldBytes -= m_done.front().held;
        m_done.pop_front();
    }
    while (m_heldBytes > m_limits.bytes && !m_done.empty()) {
        m_heldBytes -= m_done.front().held;
        m_done.pop_front();
    }
    while (m_heldBytes > m_limits.bytes && !m_undone.empty()) {
        m_heldBytes -= m_undone.front().held;
        m_undone.pop_front();
    }
}
