#include "player/state/Mmedia.h"

#include "platform/Dialogs.h"
#include "platform/media/Mci.h"

#include <charconv>
#include <cmath>
#include <random>

namespace {
// Status replies come back in a buffer of 255 characters, terminator included.
constexpr qsizetype kReplyCapacity = 254;
}  // namespace

Mmedia::Mmedia(Clock clock)
    : m_clock(std::move(clock))
{
}

QTime Mmedia::now() const
{
    return m_clock ? m_clock() : QTime::currentTime();
}

int Mmedia::send(const QString& command)
{
    QString reply;
    return mciSendString(command, reply);
}

QString Mmedia::query(const QString& item) const
{
    QString reply;
    mciSendString(QStringLiteral("Status ") + m_alias + QLatin1Char(' ') + item, reply);
    reply.truncate(kReplyCapacity);
    const qsizetype nul = reply.indexOf(QChar(0));
    if (nul >= 0)
        reply.truncate(nul);
    return reply;
}

void Mmedia::mmOpen(const QString& sTheFile)
{
    if (!m_alias.isEmpty())
        mmClose();
    const QString ending = sTheFile.right(3);
    const QString upper = ending.toUpper();
    QString type;
    if (upper == QLatin1String("WAV"))
        type = QStringLiteral("Waveaudio");
    else if (upper == QLatin1String("MID"))
        type = QStringLiteral("Sequencer");
    else
        return;
    m_alias = ending + QString::number(now().minute());
    // A quotation mark would end the file name inside the command and turn
    // the rest of the name into words of the command: such a file counts as
    // one that cannot be opened.
    if (sTheFile.contains(QLatin1Char('"')))
        return;
    send(QStringLiteral("Open \"") + sTheFile + QStringLiteral("\" ALIAS ") + m_alias + QStringLiteral(" TYPE ")
         + type + QStringLiteral(" wait"));
}

void Mmedia::mmClose()
{
    if (m_alias.isEmpty())
        return;
    send(QStringLiteral("Close ") + m_alias);
    m_alias.clear();
    m_fileName.clear();
}

void Mmedia::mmPause()
{
    if (!m_alias.isEmpty())
        send(QStringLiteral("Pause ") + m_alias);
}

void Mmedia::mmPlay()
{
    if (m_alias.isEmpty())
        return;
    send(QStringLiteral("Play ") + m_alias + (m_wait ? QStringLiteral(" wait") : QString()));
}

void Mmedia::mmStop()
{
    if (!m_alias.isEmpty())
        send(QStringLiteral("Stop ") + m_alias);
}

void Mmedia::mmSeek(float nPosition)
{
    // Sent even with nothing open; the layer then answers with an error that
    // nobody reads.
    send(QStringLiteral("Seek ") + m_alias + QStringLiteral(" to ") + floatText(nPosition));
}

float Mmedia::Length() const
{
    if (m_alias.isEmpty())
        return 0;
    return float(leadingNumber(query(QStringLiteral("length"))));
}

float Mmedia::Position() const
{
    if (m_alias.isEmpty())
        return 0;
    return float(leadingNumber(query(QStringLiteral("position"))));
}

QString Mmedia::Status() const
{
    if (m_alias.isEmpty())
        return QString();
    return query(QStringLiteral("mode"));
}

void Mmedia::PlayMovie(const QString& file, WId where)
{
    // The number only has to differ from the last movie's; seeding from the
    // time of day gives a fresh one each second.
    const int seconds = now().msecsSinceStartOfDay() / 1000;
    std::minstd_rand generator(quint32(seconds) + 1);
    const double fraction = std::generate_canonical<double, 32>(generator);
    m_movieNumber = qint16(std::min(49, int(fraction * 50)) + 1);
    const QString n = QString::number(m_movieNumber);

    const int result = file.contains(QLatin1Char('"')) ? int(Mci::FileNotFound) : send(QStringLiteral("Open \"") + file + QStringLiteral("\" ALIAS ") + n
                            + QStringLiteral(" TYPE AviVideo wait") + QStringLiteral(" parent ")
                            + QString::number(quint64(where)) + QStringLiteral(" style child"));
    if (result != 0)
        MsgBox(QStringLiteral("Error! Probably file not found."), Dialogs::Icon::None, Dialogs::Buttons::OK);
    send(QStringLiteral("play ") + n + QStringLiteral(" wait"));
}

void Mmedia::StopMovie()
{
    const QString n = QString::number(m_movieNumber);
    send(QStringLiteral("Stop ") + n);
    send(QStringLiteral("Close ") + n);
}

double Mmedia::leadingNumber(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    qsizetype end = 0;
    const qsizetype n = bytes.size();
    auto digits = [&](qsizetype& at) {
        const qsizetype start = at;
        while (at < n && bytes[at] >= '0' && bytes[at] <= '9')
            ++at;
        return at - start;
    };
    qsizetype at = 0;
    if (at < n && (bytes[at] == '+' || bytes[at] == '-'))
        ++at;
    const qsizetype whole = digits(at);
    qsizetype fraction = 0;
    if (at < n && bytes[at] == '.') {
        qsizetype after = at + 1;
        fraction = digits(after);
        if (whole || fraction)
            at = after;
    }
    if (!whole && !fraction)
        return 0;
    end = at;
    // An exponent counts only when digits follow it.
    if (at < n && (bytes[at] == 'e' || bytes[at] == 'E')) {
        qsizetype exp = at + 1;
        if (exp < n && (bytes[exp] == '+' || bytes[exp] == '-'))
            ++exp;
        if (digits(exp))
            end = exp;
    }
    bool ok = false;
    const double value = QString::fromLatin1(bytes.left(end)).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString Mmedia::floatText(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(double(value));
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

Mmedia& SoundtrackMedia()
{
    static Mmedia media;
    return media;
}

Mmedia& SoundMedia()
{
    static Mmedia media;
    return media;
}

Mmedia& MovieMedia()
{
    static Mmedia media;
    return media;
}
