#pragma once

#include "player/state/GameView.h"

#include <QStringList>

#include <optional>

class GameSession;

// A view without a window, for a session played by a program: it answers as
// a window would, keeps the messages and frames shown, and stands in for the
// window's duration timer. Nothing is drawn and nothing plays, but a
// soundtrack that was started counts as playing until it is closed.
class HeadlessGameView final : public GameView {
public:
    struct Message {
        enum class Kind { Game, Failure, Window };
        QString text;
        // The game's own message, a failure (exclamation icon), or a message
        // of the windows around the game (saving, loading).
        Kind kind = Kind::Game;
    };

    // Whether a picture, pointer or icon must exist as a file to be shown
    // (on by default); without the check only a name that is not plain
    // fails, as no file can have it.
    void setFilesChecked(bool checked) { m_filesChecked = checked; }

    const QList<Message>& messages() const { return m_messages; }
    void windowMessage(const QString& text) { m_messages.append({text, Message::Kind::Window}); }
    std::optional<QString> lastMessage() const;
    const QStringList& framesOpened() const { return m_frames; }
    // Forgets the messages and frames kept so far.
    void clear();

    // Lets `milliseconds` pass for `session`, which this view shows: its
    // duration ends each time its timer's interval runs out, counted from
    // when the timer was last set.
    void letTimePass(GameSession& session, qint64 milliseconds);

    // What is kept or answered.
    void adventureMessage(const QString& text) override { m_messages.append({text, Message::Kind::Game}); }
    void failure(const QString& text) override { m_messages.append({text, Message::Kind::Failure}); }
    void afterFrameOpened(const QString& name) override { m_frames.append(name); }
    QString soundtrackStatus() override;
    void openSoundtrack(const QString& file) override;
    void playSoundtrack() override { m_soundtrackPlaying = m_soundtrackOpen; }
    void closeSoundtrack() override;
    bool createArea(const AreaLook& look) override;
    bool addInventoryObject(int, const QString&, const QString& iconFile, const QRect&) override { return canShow(iconFile); }
    // The count towards the frame's duration starts anew.
    void setDurationTimer(bool, int) override { m_timerElapsed = 0; }
    void gameStopped() override;

    // Nothing is drawn and nothing plays.
    void frameChanged(const FrameRecord&) override {}
    void openSound(const QString&) override {}
    void playSound() override {}
    void closeSound() override {}
    void beforeVideo() override {}
    void playVideo(const QString&) override {}
    void stopVideo() override {}
    void showBackground(const FrameBackground&) override {}
    void clearAreas() override {}
    void setAreaVisible(int, bool) override {}
    void removeInventoryObject(int) override {}
    void clearInventory() override {}
    void raiseInventory() override {}
    void showFrame() override {}

private:
    bool canShow(const QString& file) const;

    bool m_filesChecked = true;
    QList<Message> m_messages;
    QStringList m_frames;
    bool m_soundtrackOpen = false;
    bool m_soundtrackPlaying = false;
    qint64 m_timerElapsed = 0;
};
