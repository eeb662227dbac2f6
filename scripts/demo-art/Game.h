// The demo game's project files: frames, areas, actions, events, objects,
// variables and the project record, written as the player reads them.
#pragma once

#include <QString>

namespace game {

// Writes every record file of the game into `folder` (which must exist).
// Returns false and prints the reason when a file cannot be written.
bool writeProject(const QString& folder);

}  // namespace game
