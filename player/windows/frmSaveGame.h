#pragma once

#include <QDialog>

class Game;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The "Save game" dialog: a name, the list of saved games, and buttons to
// save, cancel, or remove the selected saved game.
class frmSaveGame : public QDialog {
    Q_OBJECT

public:
    explicit frmSaveGame(QWidget* parent = nullptr);

    void LoadSaveGames();
    void Command2_Click();  // SAVE
    void Command1_Click();  // Cancel
    void Command3_Click();  // Remove selected
    void List1_DblClick(QListWidgetItem* item);

    QLineEdit* Text1 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
