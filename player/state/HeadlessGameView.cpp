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

void HeadlessGameView::frameChanged(const FrameRecord&) {}
void HeadlessGameView::adventureMessage(const QString& text) { m_messages.append({text, Message::Kind::Game}); }
void HeadlessGameView::failure(const QString& text) { m_messages.append({text, Message::Kind::Failure}); }

QString HeadlessGameView::soundtrackStatus()
{
    return m_soundtrackPlaying ? QStringLiteral("playing") : QString();
}

void HeadlessGameView::openSoundtrack(const QString& file)
{
    m_soundtrackPlaying = false;
    m_soundtrackOpen = !file.isEmpty();
}

void HeadlessGameView::playSoundtrack() { m_soundtrackPlaying = m_soundtrackOpen; }

void HeadlessGameView::closeSoundtrack()
{
    m_soundtrackOpen = false;
    m_soundtrackPlaying = false;
}

void HeadlessGameView::openSound(const QString&) {}
void HeadlessGameView::playSound() {}
void HeadlessGameView::closeSound() {}
void HeadlessGameView::beforeVideo() {}
void HeadlessGameView::playVideo(const QString&) {}
void HeadlessGameView::stopVideo() {}
void HeadlessGameView::showBackground(const FrameBackground&) {}
void HeadlessGameView::clearAreas() {}

bool HeadlessGameView::createArea(const AreaLook& look)
{
    if (look.stretch && look.picture && !canShow(*look.picture))
        return false;
    return !(look.pointerRead && look.pointer && !canShow(*look.pointer));
}

void HeadlessGameView::setAreaVisible(int, bool) {}

bool HeadlessGameView::addInventoryObject(int, const QString&, const QString& iconFile, const QRect&)
{
    return canShow(iconFile);
}

void HeadlessGameView::removeInventoryObject(int) {}
void HeadlessGameView::clearInventory() {}
void HeadlessGameView::raiseInventory() {}
void HeadlessGameView::setDurationTimer(bool, int) { m_timerElapsed = 0; }
void HeadlessGameView::showFrame() {}
void HeadlessGameView::afterFrameOpened(const QString& name) { m_frames.append(name); }

void HeadlessGameView::gameStopped()
{
    // Leaving the game closes its soundtrack, as the game window does.
    closeSoundtrack();
}
