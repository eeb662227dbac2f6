#pragma once

#include "checker/Finding.h"

#include <QList>

class GameExplorer;
class GameRecords;
struct Exploration;

// What an exploration of a game tells of it: that no ending can be reached,
// the moves that lead into a dead end (a state from which no ending can be
// reached any more) with the shortest way to each, and the frames, areas,
// conditions, objects and events that no reachable state ever shows, holds
// or runs. When the exploration stopped at its bound, only that is told.
class ExplorationFindings {
public:
    ExplorationFindings(GameRecords& records, GameExplorer& explorer) : m_records(records), m_explorer(explorer) {}

    QList<Finding> of(const Exploration& exploration);

private:
    void deadEnds(const Exploration& exploration);
    void neverReached(const Exploration& exploration);
    // The way to `state` as playtest commands, from "new".
    QStringList way(const Exploration& exploration, quint32 state) const;

    GameRecords& m_records;
    GameExplorer& m_explorer;
    QList<Finding> m_findings;
};
