#pragma once

#include "checker/Exploration.h"
#include "checker/StateKeys.h"

#include <QSet>

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
    // A pickable area that stays shown gives its object again at every
    // click, and its states never end: no more copies of one object than
    // this are followed from such an area.
    static constexpr int kMostCopies = 3;
    // Sessions kept waiting to be explored at one time.
    static constexpr qint64 kMostSessionsWaiting = 20000;

    GameExplorer(GameRecords& records, GameView& view) : m_records(records), m_view(view) {}

    Exploration explore(qint64 maxStates);

    // The moves a player can make in `session`.
    QList<Move> moves(const GameSession& session);
    static void apply(GameSession& session, const Move& move);
    // A new game as the welcome window starts one; stopped when the game
    // window cannot be made.
    GameSession newGame();
    // The session of an explored state, played again from a new game.
    GameSession replay(const Exploration& exploration, quint32 state);

private:
    // What states show, by frame, area and object numbers while exploring,
    // turned into names at the end.
    struct Seen {
        QSet<quint16> frames;
        QSet<quint32> areasShown;         // frame << 16 | n
        QSet<quint16> objects;
        QSet<quint64> heldWhileShown;     // frame << 32 | n << 16 | object
        QSet<quint32> conditionsHeld;     // frame << 16 | n
    };
    void observe(const GameSession& session, Seen& seen);
    void name(const Seen& seen, Exploration& result) const;

    GameRecords& m_records;
    GameView& m_view;
    StateKeys m_keys;
};
