#include "apps/playtest/ScreenConfigFile.h"

#include <QDir>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

ScreenConfigFile::~ScreenConfigFile() { release(); }

bool ScreenConfigFile::write(const QByteArray& settings)
{
    release();
#ifdef __linux__
    m_fd = memfd_create("playtest-screen", MFD_CLOEXEC);
    if (m_fd >= 0) {
        if (::write(m_fd, settings.constData(), size_t(settings.size())) == ssize_t(settings.size())) {
            m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
            return true;
        }
        release();
    }
#endif
    m_file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/playtest-screen-XXXXXX.json"));
    if (!m_file->open() || m_file->write(settings) != settings.size() || !m_file->flush()) {
        m_file.reset();
        return false;
    }
    m_file->close();
    m_path = m_file->fileName();
    return true;
}

void ScreenConfigFile::release()
{
#ifdef __linux__
    if (m_fd >= 0)
        ::close(m_fd);
#endif
    m_fd = -1;
    m_file.reset();
    m_path.clear();
}
