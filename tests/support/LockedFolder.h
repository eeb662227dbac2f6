#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

#include <unistd.h>

// A folder that takes no new entries and lets none go while the object
// lives: its permissions stop an ordinary user, and the immutable attribute
// stops the superuser too, where the file system has it. `locked()` is false
// when the superuser cannot be stopped here (the test should then skip).
class LockedFolder {
public:
    explicit LockedFolder(const QString& folder) : m_folder(folder), m_superuser(geteuid() == 0)
    {
        if (m_superuser && !immutable(true))
            return;
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        m_locked = true;
    }
    ~LockedFolder() { unlock(); }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool locked() const { return m_locked; }

    void unlock()
    {
        if (!m_locked)
            return;
        if (m_superuser)
            immutable(false);
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_locked = false;
    }

private:
    bool immutable(bool on) const
    {
        return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), m_folder}) == 0;
    }

    QString m_folder;
    bool m_superuser;
    bool m_locked = false;
};
