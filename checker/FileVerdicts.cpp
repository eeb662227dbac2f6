#include "checker/FileVerdicts.h"

#include "platform/FileNames.h"
#include "platform/media/MediaProbe.h"
#include "platform/pictures/Pictures.h"

#include <QFile>

FileVerdicts::Verdict FileVerdicts::of(const QString& path, Use use)
{
    QHash<QString, Verdict>& verdicts = m_verdicts[int(use)];
    const auto found = verdicts.constFind(path);
    if (found != verdicts.constEnd())
        return found.value();
    const Verdict verdict = judge(path, use);
    verdicts.insert(path, verdict);
    return verdict;
}

FileVerdicts::Verdict FileVerdicts::judge(const QString& path, Use use)
{
    if (path.isEmpty() || !FileNames::exists(path))
        return Verdict::Missing;
    const QString file = FileNames::resolve(path);
    switch (use) {
    case Use::Picture:
        return Pictures::load(file).isNull() ? Verdict::Unreadable : Verdict::Readable;
    case Use::Pointer: {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return Verdict::Unreadable;
        return Pictures::pointer(in.readAll()) ? Verdict::Readable : Verdict::Unreadable;
    }
    case Use::Sound: {
        // The sound player opens a file by the last three letters of its
        // name; any other ending opens nothing.
        const QString ending = path.right(3).toUpper();
        int error = 1;
        if (ending == QLatin1String("WAV"))
            error = MediaProbe::wave(file);
        else if (ending == QLatin1String("MID"))
            error = MediaProbe::midi(file);
        return error == 0 ? Verdict::Readable : Verdict::Unreadable;
    }
    case Use::Video:
        return MediaProbe::video(file) == 0 ? Verdict::Readable : Verdict::Unreadable;
    }
    return Verdict::Unreadable;
}
