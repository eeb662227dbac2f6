#pragma once

#include <QByteArray>
#include <QString>

// A tar archive (POSIX ustar) built in memory: folders and files with their
// modes, as `tar -x` unpacks them.
class TarWriter {
public:
    // False when the name does not fit a ustar header (over 255 bytes, or no
    // split into a 155-byte prefix and a 100-byte name).
    bool addFolder(const QString& path);
    bool addFile(const QString& path, const QByteArray& data, int mode);
    // The archive with its closing blocks.
    QByteArray finish() const;

private:
    bool addEntry(const QString& path, char type, const QByteArray& data, int mode);
    QByteArray m_data;
};
