#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

#include <memory>

// The settings file the offscreen platform reads its screen from. Where the
// system allows it lives in memory only (reached by its descriptor's path),
// so a run that is killed at any point leaves no file behind; elsewhere it
// is a temporary file, removed as soon as the platform has read it.
class ScreenConfigFile {
public:
    ScreenConfigFile() = default;
    ~ScreenConfigFile();
    ScreenConfigFile(const ScreenConfigFile&) = delete;
    ScreenConfigFile& operator=(const ScreenConfigFile&) = delete;

    // False when the settings cannot be written.
    bool write(const QByteArray& settings);
    // The name to give the platform.
    QString path() const { return m_path; }
    // The platform has read the settings: nothing needs to stay.
    void release();

private:
    int m_fd = -1;
    std::unique_ptr<QTemporaryFile> m_file;
    QString m_path;
};
