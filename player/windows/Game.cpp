#include "player/windows/Game.h"

#include "platform/DesktopScreen.h"
#include "platform/Dialogs.h"
#include "platform/pictures/Pictures.h"
#include "player/DisplayOptions.h"
#include "player/FrameRecord.h"
#include "player/GameGeometry.h"
#include "player/Twips.h"
#include "player/records/ProjectRecord.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/Mmedia.h"
#include "player/windows/ImageControl.h"
#include "player/windows/frmWelcome.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace {
QPointer<Game> g_loaded;

QPixmap loadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QPixmap::fromImage(Pictures::load(path));
}

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


// The game is played from the project's files as they are on disk.
Game::Game(QWidget* parent)
    : QWidget(parent)
    , m_session(DiskGameRecords::instance(), *this)
    , DraggedObjectIndex(m_session.draggedObjectIndex())
{
    setObjectName(QStringLiteral("Game"));
    setWindowTitle(ProjectRecord::current().AdventureName);
    setAutoFillBackground(true);

    PictureBox = new PictureArea(this);
    connect(PictureBox, &PictureArea::keyDown, this, [this](int keyCode) { PictureBox_KeyDown(keyCode); });
    BackImage = PictureBox->backImage();
    connect(BackImage, &ImageControl::clicked, this, [this] { BackImage_Click(); });

    Area.push_back(newArea(0));
    PickedObject.push_back(newPickedObject(0));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

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

ImageControl* Game::newArea(int index)
{
    auto* area = new ImageControl(PictureBox);
    area->setObjectName(QStringLiteral("Area"));
    area->setIndex(index);
    area->setScale(m_scale, m_sharp);
    area->hide();
    connect(area, &ImageControl::clicked, this, [this](int i) { Area_Click(i); });
    connect(area, &ImageControl::dropped, this, [this](int i, QObject* source, QPoint) { Area_DragDrop(i, source); });
    return area;
}

ImageControl* Game::newPickedObject(int index)
{
    auto* icon = new ImageControl(PictureBox);
    icon->setObjectName(QStringLiteral("PickedObject"));
    icon->setIndex(index);
    icon->setStretch(false);
    icon->setScale(m_scale, m_sharp);
    icon->hide();
    connect(icon, &ImageControl::pressed, this,
            [this](int i, Qt::MouseButton button, QPoint) { PickedObject_MouseDown(i, button); });
    return icon;
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

// ---- The game, run by the session ----------------------------------------

void Game::LoadVariables() { m_session.loadVariables(); }

void Game::ChangeVariableValue(const QString& VariableName, qint16 NewValue)
{
    m_session.changeVariableValue(VariableName, NewValue);
}

qint16 Game::GetVariableValue(const QString& VariableName) const { return m_session.variableValue(VariableName); }

bool Game::ResetAll()
{
    m_session.resetAll();

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
    const QSize screen = DesktopScreen::size();
    const DisplayOptions& display = DisplayOptions::current();
    m_scale = display.factorFor(screen, record.ScreenWidth, record.ScreenHeight);
    m_sharp = display.sharp;
    PictureBox->setScale(m_scale, m_sharp);
    for (ImageControl* control : Area)
        control->setScale(m_scale, m_sharp);
    for (ImageControl* control : PickedObject)
        control->setScale(m_scale, m_sharp);
    // The media layer draws a video in the picture area at this factor.
    PictureBox->setProperty("videoScale", m_scale);
    PictureBox->setProperty("videoSharp", m_sharp);
    PictureBox->setGeometry(*GameGeometry::pictureAreaPixels(screen, record.ScreenWidth, record.ScreenHeight, m_scale));
    BackImage->setTwipsGeometry(0, 0, area->width(), area->height());
    return true;
}

void Game::StartNewGame() { m_session.startNewGame(); }

void Game::OpenFrame(const QString& name)
{
    if (m_unloaded)
        return;
    m_session.openFrame(name);
}

void Game::Timer1_Timer() { m_session.durationEnded(); }
void Game::ResetFrameAreas() { m_session.resetFrameAreas(); }
void Game::LoadAreas() { m_session.loadAreas(); }
void Game::ShowOrNotShowAreas() { m_session.showOrNotShowAreas(); }

void Game::ShowAdventureMessage(const QString& text)
{
    MsgBox(text, Dialogs::Icon::Information, Dialogs::Buttons::OK, ProjectRecord::current().AdventureName);
}

void Game::MakeAction(qint16 AreaIndex, qint16 ObjectIndex, qint16& result)
{
    result = m_session.makeAction(AreaIndex, ObjectIndex);
}

void Game::Area_Click(int Index)
{
    HideMenus();
    m_session.click(qint16(Index));
}

void Game::Area_DragDrop(int Index, QObject* Source)
{
    if (!Source || Source->objectName().toLower() != QLatin1String("pickedobject"))
        return;
    m_session.drop(qint16(Index));
}

void Game::PickOrNotPickObject(qint16 areaIndex) { m_session.pickOrNotPickObject(areaIndex); }
void Game::AddPickedObject(const QString& ObjectName) { m_session.addPickedObject(ObjectName); }
void Game::RemovePickedObject(qint16 index) { m_session.removePickedObject(index); }

void Game::PickedObject_MouseDown(int Index, Qt::MouseButton Button)
{
    HideMenus();
    if (Button != Qt::LeftButton || Index < 1 || Index >= int(PickedObject.size()))
        return;
    if (m_session.startDrag(qint16(Index)))
        emit dragRequested(PickedObject[size_t(Index)]);
}

// ---- What the session shows and plays ------------------------------------

void Game::frameChanged(const FrameRecord& frame)
{
    FrameRecord::current() = frame;
    PictureBox->setTiled(frame.Tiled);
}

void Game::adventureMessage(const QString& text) { ShowAdventureMessage(text); }

void Game::failure(const QString& text) { MsgBox(text, Dialogs::Icon::Exclamation); }

QString Game::soundtrackStatus() { return SoundtrackMedia().Status(); }
void Game::openSoundtrack(const QString& file) { SoundtrackMedia().mmOpen(file); }
void Game::playSoundtrack() { SoundtrackMedia().mmPlay(); }
void Game::closeSoundtrack() { SoundtrackMedia().mmClose(); }
void Game::openSound(const QString& file) { SoundMedia().mmOpen(file); }
void Game::playSound() { SoundMedia().mmPlay(); }
void Game::closeSound() { SoundMedia().mmClose(); }

void Game::beforeVideo()
{
    if (!isVisible())
        showGame();
    QCoreApplication::processEvents();
}

void Game::playVideo(const QString& file)
{
    MovieMedia().setWait(true);
    MovieMedia().PlayMovie(file, PictureBox->winId());
    QCoreApplication::processEvents();
}

void Game::stopVideo() { MovieMedia().StopMovie(); }

void Game::showBackground(const FrameBackground& background)
{
    if (!PictureBox->showBackground(background))
        emit backgroundUnreadable(background.name);
}

void Game::clearAreas()
{
    for (size_t i = 1; i < Area.size(); ++i) {
        Area[i]->hide();
        Area[i]->deleteLater();
    }
    Area.resize(1);
}

bool Game::createArea(const AreaLook& look)
{
    ImageControl* area = newArea(look.n);
    Area.push_back(area);
    if (look.twips)
        area->setTwipsGeometry(look.twips->left(), look.twips->top(), look.twips->width(), look.twips->height());
    if (look.stretch) {
        area->setStretch(*look.stretch);
        if (look.transparent)
            area->clearPicture();
        if (look.picture) {
            const QPixmap picture = loadPicture(*look.picture);
            if (picture.isNull())
                return false;
            area->setPicture(picture);
        }
    }
    if (look.pointerRead) {
        std::optional<QCursor> pointer;
        if (look.pointer) {
            pointer = look.pointer->isEmpty() ? std::nullopt : Pictures::cursor(*look.pointer);
            if (!pointer)
                return false;
        }
        area->setPointer(pointer);
    }
    area->raise();
    return true;
}

void Game::setAreaVisible(int n, bool visible)
{
    if (n >= 1 && n < int(Area.size()))
        Area[size_t(n)]->setVisible(visible);
}

bool Game::addInventoryObject(int k, const QString& name, const QString& iconFile, const QRect& cellTwips)
{
    const QPixmap picture = loadPicture(iconFile);
    if (picture.isNull())
        return false;
    ImageControl* element = newPickedObject(k);
    PickedObject.push_back(element);
    element->setTwipsGeometry(cellTwips.left(), cellTwips.top(), cellTwips.width(), cellTwips.height());
    element->setPicture(picture);
    element->setToolTip(name);
    element->setTag(name);
    element->show();
    element->raise();
    return true;
}

void Game::removeInventoryObject(int k)
{
    if (k < 1 || k >= int(PickedObject.size()))
        return;
    ImageControl* target = PickedObject[size_t(k)];
    ImageControl* last = PickedObject.back();
    target->setPicture(last->picture());
    target->setTag(last->tag());
    target->setToolTip(last->toolTip());
    last->hide();
    last->deleteLater();
    PickedObject.pop_back();
}

void Game::clearInventory()
{
    for (size_t i = 1; i < PickedObject.size(); ++i) {
        PickedObject[i]->hide();
        PickedObject[i]->deleteLater();
    }
    PickedObject.resize(1);
}

void Game::raiseInventory()
{
    for (size_t i = 1; i < PickedObject.size(); ++i)
        PickedObject[i]->raise();
}

void Game::setDurationTimer(bool enabled, int intervalMs)
{
    if (enabled && intervalMs > 0)
        Timer1->start(intervalMs);
    else
        Timer1->stop();
}

void Game::showFrame() { PictureBox->show(); }

void Game::afterFrameOpened(const QString& name) { emit frameOpened(name); }

void Game::gameStopped() { unload(); }

// ---- Menus and window ----------------------------------------------------

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
    emit saveGameRequested();
}

void Game::Form_Unload()
{
    SoundtrackMedia().mmClose();
    SoundMedia().mmClose();
    if (frmWelcome* welcome = frmWelcome::loaded())
        welcome->show();
}

void Game::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_session.stop();
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
