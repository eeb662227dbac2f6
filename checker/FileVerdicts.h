#pragma once

#include <QHash>
#include <QString>

// Whether the files a game names can be used as the player uses them: a
// picture it can draw, a pointer it can make, a sound or video the media layer
// plays. Each file is judged once.
class FileVerdicts {
public:
    enum class Verdict { Readable, Missing, Unreadable };
    enum class Use { Picture, Pointer, Sound, Video };

    // `path` as a record names it, already joined to its folder (found
    // without regard to case); an empty path (a name that is not one plain
    // file name) is missing.
    Verdict of(const QString& path, Use use);
    bool readable(const QString& path, Use use) { return of(path, use) == Verdict::Readable; }

private:
    static Verdict judge(const QString& path, Use use);

    QHash<QString, Verdict> m_verdicts[4];
};
