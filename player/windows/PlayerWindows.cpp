#include "player/windows/PlayerWindows.h"

#include "player/windows/DragSource.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/windows/frmLoadGame.h"
#include "player/windows/frmSaveGame.h"
#include "player/windows/frmWelcome.h"

#include <QApplication>
#include <QDrag>

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
    if (m_game == &game)
        return;
    m_game = &game;
    connect(&game, &Game::saveGameRequested, this, [game = &game] { openSaveGame(*game); });
    connect(&game, &Game::dragRequested, this, &PlayerWindows::startDrag);
}

void PlayerWindows::openSaveGame(Game& game)
{
    frmSaveGame dialog(&game);
    dialog.LoadSaveGames();
    dialog.exec();
}

void PlayerWindows::startDrag(ImageControl* icon)
{
    // The icon itself shows under the pointer while it is dragged.
    auto* drag = new QDrag(icon);
    drag->setMimeData(new DragSource(icon));
    const QPixmap shown = icon->shownPicture();
    drag->setPixmap(shown);
    drag->setHotSpot(QPoint(shown.width() / 2, shown.height() / 2));
    drag->exec(Qt::MoveAction);
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
