#pragma once

#include "player/ActionRunner.h"
#include "player/state/VariablesCollection.h"

#include <QString>

#include <optional>

// The player's rules applied to an area's files as they are on disk, read
// the way a game session reads them: for tests that check what a file
// written by the editor or by hand does in a game.
namespace PlayerReaders {

std::optional<bool> isVisible(const QString& frame, int n, const VariablesCollection& disappeared,
                              const VariablesCollection& variables);

// The action of a click on area `n`, and the event of `object` (inventory
// object `objectIndex`) dropped on it.
ActionOutcome runAction(const QString& frame, int n, ActionEffects& effects);
ActionOutcome runEvent(const QString& frame, int n, const QString& object, qint16 objectIndex, ActionEffects& effects);

}  // namespace PlayerReaders
