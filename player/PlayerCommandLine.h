#pragma once

#include "player/DisplayOptions.h"

#include <QString>
#include <QStringList>

// The player program's arguments. With none it plays the game of its folder
// from the welcome window, drawn as large as the screen holds whole:
//   --scale auto|N   the drawing factor (N from 1 to kMaxScale)
//   --sharp          larger pictures keep sharp square pixels
//   --frame NAME     starts the game at frame NAME, for authors trying a
//                    scene, with the game's start values or, with
//   --state NAME     the variables, disappeared areas and inventory of a
//                    saved game (its name in the game's folder, or a file)
struct PlayerCommandLine {
    static constexpr int kMaxScale = 16;

    DisplayOptions display{DisplayOptions::kAuto, false};
    QString frame;
    QString state;
    // Not empty when the arguments cannot be used: what is wrong.
    QString error;

    // `arguments` includes the program name first, as the application has it.
    static PlayerCommandLine parse(const QStringList& arguments);
};
