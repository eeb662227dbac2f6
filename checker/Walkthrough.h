#pragma once

#include "checker/Move.h"

#include <QList>
#include <QString>
#include <QStringList>

class GameExplorer;

// A way through a game written as a playtest script: "new", then each move,
// each followed by what a player then sees change (the frame, the inventory),
// and at the end the welcome window the ending brings back.
namespace Walkthrough {

// The script's lines for `moves`, the last of which ends the game; played
// on a new game of `explorer` to know what each move changes.
QStringList script(GameExplorer& explorer, const QList<Move>& moves);

// Writes `lines` to `path` as a playtest script.
bool write(const QString& path, const QString& adventureName, const QStringList& lines, QString* error = nullptr);

}  // namespace Walkthrough
