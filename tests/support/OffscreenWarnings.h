#pragma once

// The offscreen platform cannot raise windows, size them by their contents
// or grab the keyboard, and says so each time; window tests that do these
// things install this once to keep their output to what matters.
void ignoreOffscreenWindowWarnings();
