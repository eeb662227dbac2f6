#include "player/state/HeadlessGameView.h"

#include "platform/FileNames.h"
#include "player/state/GameSession.h"

std::optional<QString> HeadlessGameView::lastMessage() const
{
    if (m_messages.isEmpty())
        return std::nullopt;
    return m_messages.constLast().text;
}

void HeadlessGameView::clear()
{
    m_messages.clear();
    m_frames.clear();
}

void HeadlessGameView::letTimePass(GameSession& session, qint64 milliseconds)
{
    // Opening a frame sets the timer again, which starts its count anew.
    while (!session.stopped() && session.durationTimer().enabled && session.durationTimer().interval > 0) {
        const qint64 left = session.durationTimer().interval - m_timerElapsed;
        if (milliseconds < left)
            break;
        milliseconds -= left;
        m_timerElapsed = 0;
        session.durationEnded();
    }
    m_timerElapsed += milliseconds;
}

bool HeadlessGameView::canShow(const QString& file) const
{
    return !file.isEmpty() && (!m_filesChecked || FileNames::exists(file));
}


QString HeadlessGameView::soundtrackStatus()
{
    return m_soundtrackPlaying ? QStringLiteral("playing") : QString();
}

void HeadlessGameView::openSoundtrack(const QString& file)
{
    m_soundtrackPlaying = false;
    m_soundtrackOpen = !file.isEmpty();
}

void HeadlessGameView::closeSoundtrack()
{
    m_soundtrackOpen = false;
    m_soundtrackPlaying = false;
}

bool HeadlessGameView::createArea(const AreaLook& look)
{
    if (look.stretch && look.picture && !canShow(*look.picture))
        return false;
    return !(look.pointerRead && look.pointer && !canShow(*look.pointer));
}


void HeadlessGameView::gameStopped()
{
    // Leaving the game closes its soundtrack, as the game window does.
    closeSoundtrack();
}
