#pragma once

#include <QDialog>

class Game;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The "Load game" dialog: the list of saved games and a button to resume the
// selected one.
class frmLoadGame : public QDialog {
    Q_OBJECT

public:
    explicit frmLoadGame(QWidget* parent = nullptr);

    void LoadSaveGames();
    void Command2_Click();  // LOAD
    void Command1_Click();  // Cancel
    void List1_DblClick(QListWidgetItem* item);

    QListWidget* List1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

signals:
    // A saved game is about to be restored in `game`.
    void gameStarting(Game& game);
};
