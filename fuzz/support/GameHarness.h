#pragma once

class Game;

// The game window on the offscreen platform, for targets that read files
// the way the window itself does (areas, inventory, loading a saved game).
// Message boxes are answered with their first button and media commands
// are recorded, not played.
namespace GameHarness {

// Loads the window once (640 x 480 game on a 1024 x 768 screen) and resets
// it for a new game.
Game& game();

// After each input: forgets the messages and commands recorded and deletes
// the controls the window let go of, so that nothing grows over a run.
void settle();

}  // namespace GameHarness
