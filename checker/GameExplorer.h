#pragma once

#include "checker/Exploration.h"
#include "checker/StateKeys.h"

class GameRecords;
class GameSession;
class GameView;

// Plays every reachable state of a game from "Start New Game", breadth first,
// on copies of one game session: in each state every shown area is clicked,
// every inventory object is dropped on every shown area that has an event
// for it, and the frame's duration is let end. States already seen are
// recognised by their key. The project's paths and record must be set.
class GameExplorer {
public:
    GameExplorer(GameRecords& records, GameView& view) : m_records(records), m_view(view) {}

    Exploration explore(qint64 maxStates);

    // The moves a player can make in `session`.
    QList<Move> moves(const GameSession& session);
    static void apply(GameSession& session, const Move& move);
    // A new game as the welcome window starts one; stopped when the game
    // window cannot be made.
    GameSession newGame();

private:
    void observe(const GameSession& session, Exploration& result);

    GameRecords& m_records;
    GameView& m_view;
    StateKeys m_keys;
};
