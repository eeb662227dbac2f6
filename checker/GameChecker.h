#pragma once

#include "checker/CheckReport.h"

#include <QString>

#include <optional>

// Checks the game in a project folder: explores every state a player can
// reach from "Start New Game" by the game session's own rules, and reads
// every file the game names. Sets the process's project paths and project
// record to that project, as the player does when it starts.
class GameChecker {
public:
    static constexpr qint64 kDefaultMaxStates = 1000000;

    // The report, or nothing when the project cannot be read (`error` says
    // why).
    static std::optional<CheckReport> check(const QString& folder, qint64 maxStates = kDefaultMaxStates,
                                            QString* error = nullptr);
};
