#pragma once

#include "platform/media/Mci.h"

#include <QString>

#include <functional>

// Stands between the game and the media layer for the length of a run:
// every command string is passed on and then reported with its result.
// Constructing one installs it; destroying it restores the layer in use before.
class PlaytestMedia {
public:
    using Observer = std::function<void(const QString& command, int result, const QString& reply)>;

    // `silent`: commands are answered 0 with an empty reply and nothing plays.
    PlaytestMedia(bool silent, Observer observer);
    ~PlaytestMedia();
    PlaytestMedia(const PlaytestMedia&) = delete;
    PlaytestMedia& operator=(const PlaytestMedia&) = delete;

private:
    int send(const QString& command, QString& reply);

    bool m_silent = false;
    Observer m_observer;
    Mci::Backend m_previous;
};
