#include "player/Game.h"

#include "platform/DesktopScreen.h"
#include "platform/Dialogs.h"
#include "player/GameGeometry.h"
#include "player/ImageControl.h"
#include "player/ProjectRecord.h"
#include "player/Twips.h"
#include "player/frmWelcome.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {
QPointer<Game> g_loaded;
std::function<void()> g_saveGame;
}  // namespace

Game* Game::loaded() { return g_loaded; }

Game& Game::load()
{
    if (!g_loaded) {
        g_loaded = new Game();
        g_loaded->Form_Load();
    }
    return *g_loaded;
}

void Game::setSaveGameHandler(std::function<void()> handler) { g_saveGame = std::move(handler); }

Game::Game(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Game"));
    setWindowTitle(ProjectRecord::current().AdventureName);
    setAutoFillBackground(true);

    PictureBox = new QWidget(this);
    PictureBox->setObjectName(QStringLiteral("PictureBox"));
    PictureBox->setAutoFillBackground(true);
    PictureBox->setFocusPolicy(Qt::StrongFocus);
    PictureBox->installEventFilter(this);

    BackImage = new ImageControl(PictureBox);
    BackImage->setObjectName(QStringLiteral("BackImage"));
    BackImage->setStretch(true);
    connect(BackImage, &ImageControl::clicked, this, [this] { BackImage_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    // The bar keeps light colours of its own over the black window.
    menuBar->setStyleSheet(QStringLiteral(
        "QMenuBar { background: #efe8d8; color: #2a1a0c; border-bottom: 1px solid #8a6a3a; }"
        "QMenuBar::item { padding: 3px 12px; background: transparent; }"
        "QMenuBar::item:selected { background: #6b3a1a; color: #ffe9b0; }"));
    mnuExit = menuBar->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuSaveGame = menuBar->addAction(QStringLiteral("Save game"));
    mnuSaveGame->setObjectName(QStringLiteral("mnuSaveGame"));
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuSaveGame, &QAction::triggered, this, [this] { mnuSaveGame_Click(); });
    HideMenus();
}

Game::~Game()
{
    if (g_loaded == this)
        g_loaded = nullptr;
}

void Game::Form_Load()
{
    const QSize screen = DesktopScreen::size();
    setGeometry(0, 0, screen.width(), screen.height());
}

void Game::showGame()
{
    showFullScreen();
    raise();
    activateWindow();
    PictureBox->setFocus();
}

bool Game::ResetAll()
{
    ObjectsCount = 0;
    DraggedObjectIndex = 0;

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    PictureBox->setPalette(black);
    BackImage->move(0, 0);

    const ProjectRecord& record = ProjectRecord::current();
    const std::optional<QRect> area =
        GameGeometry::pictureArea(DesktopScreen::size(), record.ScreenWidth, record.ScreenHeight);
    if (!area) {
        // The picture area is sized in 16-bit twips: a side outside
        // 1..2184 pixels cannot be shown, so the game does not start.
        MsgBox(QStringLiteral("Unable to start the game: its picture size (%1 x %2) must be between 1 and %3 pixels "
                              "each way.")
                   .arg(record.ScreenWidth)
                   .arg(record.ScreenHeight)
                   .arg(GameGeometry::kMaxSide),
               Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, record.AdventureName);
        return false;
    }
    m_pictureBoxTwips = *area;
    PictureBox->setGeometry(Twips::toPixels(area->left(), area->top(), area->width(), area->height()));
    BackImage->setGeometry(0, 0, PictureBox->width(), PictureBox->height());
    return true;
}

void Game::StartNewGame()
{
}

void Game::ShowMenus()
{
    mnuExit->setVisible(true);
    mnuSaveGame->setVisible(true);
    updateMenuBar();
}

void Game::HideMenus()
{
    mnuExit->setVisible(false);
    mnuSaveGame->setVisible(false);
    updateMenuBar();
}

bool Game::menusShown() const { return mnuExit->isVisible() || mnuSaveGame->isVisible(); }

void Game::updateMenuBar()
{
    // The bar lies over the top of the screen so that showing it does not
    // move the picture area.
    if (menusShown()) {
        menuBar->setGeometry(0, 0, width(), menuBar->sizeHint().height());
        menuBar->show();
        menuBar->raise();
    } else {
        menuBar->hide();
    }
}

void Game::Form_MouseDown() { ShowMenus(); }

void Game::PictureBox_KeyDown(int keyCode)
{
    if (keyCode == 27)
        ShowMenus();
}

void Game::BackImage_Click() { HideMenus(); }

void Game::mnuExit_Click() { unload(); }

void Game::mnuSaveGame_Click()
{
    if (g_saveGame)
        g_saveGame();
}

void Game::Form_Unload()
{
    if (frmWelcome* welcome = frmWelcome::loaded())
        welcome->show();
}

void Game::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Timer1->stop();
    if (g_loaded == this)
        g_loaded = nullptr;
    Form_Unload();
    hide();
    deleteLater();
}

void Game::mousePressEvent(QMouseEvent* event)
{
    // Presses inside the picture area are taken by it; what arrives here was
    // on the black margin.
    event->accept();
    Form_MouseDown();
}

void Game::closeEvent(QCloseEvent* event)
{
    event->accept();
    unload();
}

bool Game::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PictureBox) {
        switch (event->type()) {
        case QEvent::KeyPress:
            PictureBox_KeyDown(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape ? 27 : 0);
            return true;
        case QEvent::MouseButtonPress:
            // The picture area itself takes presses; the margin does not see them.
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
