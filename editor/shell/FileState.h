#pragma once

#include <QByteArray>
#include <QString>

// What the journal knows of one entry of the project folder. A stamp (kind,
// size, time of last change) tells whether anyone changed the entry since the
// journal last looked; a state also holds a file's bytes, to put it back, or
// names the file in the journal's stash that has them.
struct FileStamp {
    bool exists = false;
    bool folder = false;
    qint64 size = 0;
    qint64 modified = 0;  // milliseconds since the epoch

    static FileStamp of(const QString& path);
    bool operator==(const FileStamp&) const = default;
};

struct FileState {
    bool exists = false;
    bool folder = false;
    QByteArray bytes;
    QString stashed;

    // The entry as it stands; a file's bytes are read only when `withBytes`.
    static FileState of(const QString& path, bool withBytes = true);
    bool sameAs(const FileState& other) const
    {
        return exists == other.exists && folder == other.folder && bytes == other.bytes && stashed == other.stashed;
    }
};
