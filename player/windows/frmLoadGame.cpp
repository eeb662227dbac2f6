#include "player/windows/frmLoadGame.h"

#include "platform/Dialogs.h"
#include "player/windows/Game.h"
#include "player/ProjectPaths.h"
#include "player/windows/SavedGameDialogStyle.h"
#include "player/windows/frmWelcome.h"
#include "player/records/SavedGame.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmLoadGame::frmLoadGame(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLoadGame"));
    setWindowTitle(QStringLiteral("Load game"));
    setModal(true);
    SavedGameDialogStyle::apply(this);

    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("Select the game you want to load and click \"LOAD\"."), this);
    label->setWordWrap(true);
    layout->addWidget(label, 0, 0, 1, 2);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Saved games"));
    layout->addWidget(List1, 1, 0, 2, 1);
    Command2 = new QPushButton(QStringLiteral("LOAD"), this);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setDefault(true);
    layout->addWidget(Command2, 1, 1, Qt::AlignTop);
    layout->addWidget(Command1, 2, 1, Qt::AlignTop);
    resize(400, 280);
    SavedGameDialogStyle::centre(this);

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { List1_DblClick(item); });
}

void frmLoadGame::LoadSaveGames()
{
    List1->clear();
    List1->addItems(SavedGame::list(ProjectPaths::ProjectPath));
}

void frmLoadGame::Command2_Click()
{
    QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please select the game you want to load."), Dialogs::Icon::Information);
        return;
    }
    Game& game = Game::load();
    emit gameStarting(game);
    if (!game.ResetAll())
        return;
    game.LoadVariables();

    const QString file = SavedGame::path(ProjectPaths::ProjectPath, item->text());
    SavedGame saved;
    const bool complete = SavedGame::read(file, saved);
    // What was read stays in force, also when the file ends early.
    game.session().restore(saved);
    if (!complete) {
        MsgBox(QStringLiteral("Unable to load '") + file + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        return;
    }
    game.OpenFrame(saved.frame);
    accept();
    if (Game::loaded() != &game)
        return;
    game.showGame();
    if (frmWelcome* welcome = frmWelcome::loaded())
        welcome->hide();
}

void frmLoadGame::Command1_Click() { reject(); }

void frmLoadGame::List1_DblClick(QListWidgetItem* item)
{
    if (!item)
        return;
    List1->setCurrentItem(item);
    Command2_Click();
}
