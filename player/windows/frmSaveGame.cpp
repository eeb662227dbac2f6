#include "player/windows/frmSaveGame.h"

#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "player/FrameRecord.h"
#include "player/windows/Game.h"
#include "player/ProjectPaths.h"
#include "player/windows/SavedGameDialogStyle.h"
#include "player/records/FileLayer.h"
#include "player/records/SavedGame.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

SavedGame stateOf(const Game* game)
{
    if (game)
        return game->session().toSavedGame();
    SavedGame saved;
    saved.frame = FrameRecord::current().Name;
    return saved;
}

}  // namespace

frmSaveGame::frmSaveGame(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSaveGame"));
    setWindowTitle(QStringLiteral("Save game"));
    setModal(true);
    SavedGameDialogStyle::apply(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    Text1 = new QLineEdit(this);
    Text1->setAccessibleName(QStringLiteral("Name"));
    Text1->setObjectName(QStringLiteral("Text1"));
    layout->addWidget(Text1, 0, 1, 1, 2);
    List1 = new QListWidget(this);
    List1->setAccessibleName(QStringLiteral("Saved games"));
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSortingEnabled(false);
    layout->addWidget(List1, 1, 0, 3, 2);
    Command2 = new QPushButton(QStringLiteral("SAVE"), this);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command3 = new QPushButton(QStringLiteral("Remove selected"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command2->setDefault(true);
    layout->addWidget(Command2, 1, 2);
    layout->addWidget(Command1, 2, 2);
    layout->addWidget(Command3, 3, 2, Qt::AlignBottom);
    resize(420, 300);
    SavedGameDialogStyle::centre(this);

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { List1_DblClick(item); });
    // Choosing a saved game in the list offers its name for replacing.
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Text1->setText(item->text()); });
}

void frmSaveGame::LoadSaveGames()
{
    List1->clear();
    List1->addItems(SavedGame::list(ProjectPaths::ProjectPath));
}

void frmSaveGame::Command2_Click()
{
    const QString name = Text1->text();
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Please enter a name to the game to be saved."), Dialogs::Icon::Information);
        return;
    }
    const QString file = SavedGame::path(ProjectPaths::ProjectPath, name);
    const QString failure = QStringLiteral("Unable to save '") + file + QLatin1Char('\'');
    // A name that is not one plain file name would write outside the
    // project folder: it fails like any name the system cannot take.
    if (!SavedGame::isValidName(name)) {
        MsgBox(failure, Dialogs::Icon::Exclamation);
        return;
    }
    if (FileNames::exists(file)) {
        const int answer = MsgBox(QLatin1Char('\'') + name + QStringLiteral("' already exists. Are you sure you want to replace it?"),
                                  Dialogs::Icon::Question, Dialogs::Buttons::OKCancel);
        if (answer == Dialogs::Cancel)
            return;
    }
    if (!stateOf(Game::loaded()).write(file)) {
        MsgBox(failure, Dialogs::Icon::Exclamation);
        return;
    }
    LoadSaveGames();
    accept();
}

void frmSaveGame::Command1_Click() { reject(); }

void frmSaveGame::Command3_Click()
{
    QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please select the game you want to remove."), Dialogs::Icon::Information);
        return;
    }
    const QString file = SavedGame::path(ProjectPaths::ProjectPath, item->text());
    const int answer = MsgBox(QStringLiteral("This will remove '") + file + QStringLiteral("'.\nClick 'Cancel' to abort."),
                              Dialogs::Icon::Question, Dialogs::Buttons::OKCancel);
    if (answer != Dialogs::OK)
        return;
    if (!FileLayer::remove(FileNames::resolve(file))) {
        MsgBox(QStringLiteral("Unable to remove '") + file + QStringLiteral("'."), Dialogs::Icon::Exclamation);
        return;
    }
    LoadSaveGames();
}

void frmSaveGame::List1_DblClick(QListWidgetItem* item)
{
    if (!item)
        return;
    Text1->setText(item->text());
    Command2_Click();
}
