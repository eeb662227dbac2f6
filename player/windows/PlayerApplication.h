#pragma once

#include <QString>

struct PlayerCommandLine;

// Start-up of the player program: the welcome window of the game that lies
// in `programFolder` (or, for an author, the game at the frame the command
// line names), then the event loop until the welcome window unloads.
namespace PlayerApplication {
int run(const QString& programFolder, const PlayerCommandLine& commandLine);
}
