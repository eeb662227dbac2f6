#pragma once

#include <QString>

class GameSession;
class HeadlessGameView;

// A game session on the fuzz game folder, for targets that play a game the
// way the player does (areas, actions, inventory, frames, saved games), with
// a view without a window: nothing is drawn or played, and pictures only
// need to exist.
namespace GameHarness {

// The session (a 640 x 480 game, its files read from disk at every use),
// reset for a new game with the variables of Config/Variables loaded.
GameSession& newGame();
HeadlessGameView& view();

// After each input: forgets the messages and frames the view kept, so that
// nothing grows over a run.
void settle();

// A path inside the game folder, relative to it, for FuzzProject::write.
QString relative(const QString& path);

}  // namespace GameHarness
