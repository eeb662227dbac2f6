#include "player/windows/PlayerWindows.h"

#include "player/windows/Game.h"
#include "player/windows/frmLoadGame.h"
#include "player/windows/frmWelcome.h"

#include <QApplication>

PlayerWindows::PlayerWindows(frmWelcome& welcome, QObject* parent)
    : QObject(parent)
    , m_welcome(&welcome)
{
    connect(&welcome, &frmWelcome::loadGameRequested, this, &PlayerWindows::openLoadGame);
    connect(&welcome, &frmWelcome::programEndRequested, this, &PlayerWindows::endProgram);
    connect(&welcome, &frmWelcome::gameStarting, this, &PlayerWindows::watch);
}

void PlayerWindows::watch(Game& game)
{
    Q_UNUSED(game);
}

void PlayerWindows::openLoadGame()
{
    frmLoadGame dialog(m_welcome);
    connect(&dialog, &frmLoadGame::gameStarting, this, &PlayerWindows::watch);
    dialog.LoadSaveGames();
    dialog.exec();
}

void PlayerWindows::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
