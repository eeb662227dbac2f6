#include "editor/shell/JournalStash.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<quint64> s_stashes{0};

bool deviceOf(const QString& path, dev_t& device)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    device = info.st_dev;
    return true;
}

bool running(qint64 pid)
{
    return pid == qint64(::getpid()) || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

}  // namespace

QString JournalStash::defaultParent()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/journal");
}

JournalStash::JournalStash(const QString& projectFolder, const QString& parent)
    : m_project(projectFolder), m_parent(QDir::cleanPath(parent))
{
    m_folder = m_parent + QStringLiteral("/%1-%2").arg(qint64(::getpid())).arg(s_stashes++);
}

JournalStash::~JournalStash()
{
    // The journal's own files outside any project: no watcher is told.
    if (m_use == Use::Yes)
        QDir(m_folder).removeRecursively();
}

QString JournalStash::place()
{
    if (m_use == Use::Unknown) {
        m_use = Use::No;
        dev_t project = 0, stash = 0;
        if (!m_parent.isEmpty() && QDir().mkpath(m_folder) && deviceOf(m_project, project) &&
            deviceOf(m_folder, stash)) {
            m_use = project == stash ? Use::Yes : Use::No;
        }
        if (m_use == Use::No)
            QDir(m_folder).removeRecursively();
    }
    if (m_use != Use::Yes)
        return {};
    return m_folder + QLatin1Char('/') + QString::number(m_next++);
}

void JournalStash::discard(const QString& kept)
{
    if (!kept.isEmpty())
        QFile::remove(kept);
}

void JournalStash::removeStale(const QString& parent)
{
    static const QRegularExpression name(QStringLiteral("^(\\d+)-\\d+$"));
    const QDir dir(parent);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch() && !running(match.captured(1).toLongLong()))
            QDir(dir.filePath(entry)).removeRecursively();
    }
}
