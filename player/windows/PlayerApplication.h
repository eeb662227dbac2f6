#pragma once

#include <QString>

// Start-up of the player program: the welcome window of the game that lies
// in `programFolder`, then the event loop until the welcome window unloads.
namespace PlayerApplication {
int run(const QString& programFolder);
}
