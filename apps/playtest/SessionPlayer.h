#pragma once

#include "apps/playtest/PlaytestCommand.h"
#include "apps/playtest/PlaytestState.h"
#include "player/records/SavedGame.h"
#include "player/state/GameSession.h"
#include "player/state/HeadlessGameView.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class GameRecords;

// Plays a playtest script on a game session alone, without any window: what
// the player's windows do around the session (the welcome window, the menu,
// saving and loading) is played here by the same rules, and time passes only
// in `wait` steps. Games are saved in memory; a game saved before in the
// project's folder can be loaded too. Screenshots are not taken and answers
// are not needed: the session's message boxes have one button.
//
// The project's paths and its project record must be set before a game
// starts, as the welcome window sets them.
class SessionPlayer {
public:
    explicit SessionPlayer(GameRecords& records);

    // Plays one command; why the step failed, or nothing when it did not
    // (an expectation is checked against the state after it).
    std::optional<QString> play(const PlaytestCommand& command);

    // The game and the windows as a player would see them now.
    PlaytestState state() const;
    const GameSession& session() const { return m_session; }
    const HeadlessGameView& view() const { return m_view; }
    HeadlessGameView& view() { return m_view; }

private:
    bool gameShown(std::optional<QString>& failure) const;
    bool welcomeShown(std::optional<QString>& failure) const;
    bool areaShown(int n, std::optional<QString>& failure) const;
    void startGame();
    void leaveGame();
    void save(const QString& name);
    void load(const QString& name, std::optional<QString>& failure);

    GameRecords& m_records;
    HeadlessGameView m_view;
    GameSession m_session;
    bool m_gameShown = false;
    bool m_menusShown = false;
    QHash<QString, SavedGame> m_saved;  // by name in lower case: saved games are files
};
