#pragma once

#include "checker/Move.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <deque>
#include <utility>
#include <vector>

// What exploring a game from "Start New Game" found. States are numbered in
// the order they were reached, breadth first: state 0 is the new game, and
// following parents from any state gives a shortest way to it.
struct Exploration {
    // An action that stops the game, as a player can run it.
    struct Ending {
        QString frame;
        int area = 0;
        QString object;  // the dropped object; empty for a click
        qint64 states = 0;  // reachable states in which it can be run
        quint32 firstState = 0;  // the nearest of them
        Move move;
    };

    bool started = false;  // false when the game cannot start at all
    bool complete = true;  // false when the bound on states was reached
    qint64 maxStates = 0;

    std::vector<quint32> parent;  // state 0 is its own parent
    std::vector<quint32> move;    // the move from the parent (packed)
    std::vector<quint16> frame;   // the frame of each state, numbered as in `frames`
    std::vector<bool> canEnd;     // an ending can be run in the state
    std::vector<bool> expanded;   // every move of the state was followed
    // The moves between different states: those from state s are
    // edgeTo[i] and edgeMove[i] (packed) for i from edgeStart[s] to
    // edgeStart[s + 1].
    // The moves are kept in blocks, as there are many more of them than of
    // states and a growing vector would copy them all at every doubling.
    std::vector<quint32> edgeStart;
    std::deque<quint32> edgeTo;
    std::deque<quint32> edgeMove;
    QStringList frames;

    QList<Ending> endings;
    // Areas that give an object once more than is followed (Ending's fields:
    // the area, the object, the state where it was clicked).
    QList<Ending> repeatedPicks;

    // What was seen in some reachable state, names in lower case (file names
    // are compared without regard to case): frames on screen, areas shown
    // as (frame, n), objects held, objects held while an area showed as
    // (frame, n, object), areas whose condition held while their frame was on
    // screen, and drops that ran an event.
    QSet<QString> framesReached;
    QSet<std::pair<QString, int>> areasShown;
    QSet<QString> objectsHeld;
    QSet<QString> heldWhileShown;  // keys made by heldKey
    QSet<std::pair<QString, int>> conditionsHeld;

    qint64 stateCount() const { return qint64(parent.size()); }
    static QString heldKey(const QString& frame, int n, const QString& object)
    {
        return frame.toLower() + QLatin1Char('/') + QString::number(n) + QLatin1Char('/') + object.toLower();
    }

    // The moves from the new game to `state`.
    QList<Move> wayTo(quint32 state) const;
};
