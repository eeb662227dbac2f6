#pragma once

#include <QSize>

// How the player draws the game on the screen: the game keeps its own size
// in its files and arithmetic, and only the drawing is made larger by a
// whole factor. The default draws at the game's own size; the player
// program asks for the largest factor that fits.
struct DisplayOptions {
    static constexpr int kAuto = 0;

    // The factor the game is drawn at, kAuto for the largest that fits.
    int scale = 1;
    // Pictures made larger keep square, sharp pixels instead of smooth ones.
    bool sharp = false;

    static DisplayOptions& current();

    // The factor to draw a game of width x height pixels at on the screen.
    int factorFor(QSize screenPixels, int width, int height) const;
};
