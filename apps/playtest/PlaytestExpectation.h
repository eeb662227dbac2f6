#pragma once

#include "apps/playtest/PlaytestCommand.h"
#include "apps/playtest/PlaytestState.h"

#include <QString>

#include <optional>

// Checks one `expect` command against the state of the game.
class PlaytestExpectation {
public:
    // Nothing when the expectation holds; otherwise what was expected and
    // what was found. `lastMessage` is the text of the last message box
    // shown in the run, if any.
    static std::optional<QString> check(const PlaytestCommand& command, const PlaytestState& state,
                                        const std::optional<QString>& lastMessage);

    // A message text on one line, line breaks written as \n, in quotes.
    static QString quoted(const QString& text);
};
