#pragma once

#include <QObject>
#include <QPointer>

class Game;
class frmWelcome;

// The player's one coordinator: the welcome window and the game window ask
// for other windows by their signals, and this answers them. "Load Game..."
// opens the load-game window, "Save game" the save-game window, an inventory
// icon pressed starts its drag, and the welcome window's unloading ends the
// program. The player program makes one; the editor, which runs games in its
// own process, and the scripted player wire the same signals their own way.
class PlayerWindows : public QObject {
    Q_OBJECT

public:
    explicit PlayerWindows(frmWelcome& welcome, QObject* parent = nullptr);

    // Wires what a game window asks for. Called for every game the welcome
    // or the load-game window starts; wiring the same game again does nothing.
    void watch(Game& game);

private:
    void openLoadGame();
    void endProgram();

    QPointer<frmWelcome> m_welcome;
};
