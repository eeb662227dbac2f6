#include "player/windows/Game.h"

#include "platform/DesktopScreen.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/pictures/Pictures.h"
#include "player/ActionRunner.h"
#include "player/AreaFile.h"
#include "player/windows/DragSource.h"
#include "player/FrameRecord.h"
#include "player/GameGeometry.h"
#include "player/windows/ImageControl.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/records/RecordReader.h"
#include "player/records/RecordValue.h"
#include "player/Twips.h"
#include "player/windows/frmSaveGame.h"
#include "player/windows/frmWelcome.h"
#include "player/state/GameVariables.h"
#include "player/state/Mmedia.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {
QPointer<Game> g_loaded;
std::function<void()> g_saveGame;
std::function<void(ImageControl*)> g_dragStarter;

constexpr int kCell = 35;  // inventory cells, in pixels

QPixmap loadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QPixmap::fromImage(Pictures::load(path));
}

}  // namespace

// The game window carries out what an action record asks for.
class Game::Effects final : public ActionEffects {
public:
    explicit Effects(Game& game) : m_game(game) {}
    void changeVariable(const QString& name, qint16 value) override { m_game.ChangeVariableValue(name, value); }
    void showMessage(const QString& text) override { m_game.ShowAdventureMessage(text); }
    void playSound(const QString& file) override
    {
        SoundMedia().mmOpen(file);
        SoundMedia().mmPlay();
    }
    void removePickedObject(qint16 index) override { m_game.RemovePickedObject(index); }
    void disappear(qint16 area) override { m_game.Disappear.Add(FrameRecord::current().Name, area); }
    void openFrame(const QString& name) override { m_game.OpenFrame(name); }

private:
    Game& m_game;
};

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
void Game::setDragStarter(std::function<void(ImageControl*)> starter) { g_dragStarter = std::move(starter); }

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

// ---- Variables ----------------------------------------------------------

void Game::LoadVariables()
{
    if (!GameVariables::load(Variables, ProjectPaths::ConfigPath + QStringLiteral("Variables")))
        MsgBox(QStringLiteral("Unable to load variables list."), Dialogs::Icon::Exclamation);
}

void Game::ChangeVariableValue(const QString& VariableName, qint16 NewValue)
{
    GameVariables::change(Variables, VariableName, NewValue);
}

qint16 Game::GetVariableValue(const QString& VariableName) const
{
    return GameVariables::value(Variables, VariableName);
}

// ---- Game lifecycle ------------------------------------------------------

bool Game::ResetAll()
{
    Variables.clear();
    Disappear.clear();
    ObjectsCount = 0;
    DraggedObjectIndex = 0;
    for (size_t i = 1; i < PickedObject.size(); ++i) {
        PickedObject[i]->hide();
        PickedObject[i]->deleteLater();
    }
    PickedObject.resize(1);

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
    BackImage->setTwipsGeometry(0, 0, area->width(), area->height());
    return true;
}

void Game::StartNewGame()
{
    LoadVariables();
    OpenFrame(ProjectRecord::current().StartingFrame);
}

// ---- Frames --------------------------------------------------------------

void Game::playSoundtrack()
{
    const FrameRecord& frame = FrameRecord::current();
    // A soundtrack name that is not one plain file name is refused, and the
    // frame goes on without it as after any soundtrack that cannot play.
    const QString file = FileNames::inFolder(ProjectPaths::FramesPath, frame.Soundtrack);
    if (file.isEmpty()) {
        MsgBox(QStringLiteral("Unable to play soundtrack."), Dialogs::Icon::Exclamation);
        return;
    }
    SoundtrackMedia().mmOpen(file);
    SoundtrackMedia().mmPlay();
}

void Game::OpenFrame(const QString& name)
{
    if (m_unloaded)
        return;
    ResetFrameRecord();
    ResetFrameAreas();
    if (!LoadFrameFile(name)) {
        MsgBox(QStringLiteral("Sorry, unable to open '") + name + QStringLiteral("'."), Dialogs::Icon::Exclamation);
    }
    const FrameRecord& frame = FrameRecord::current();
    Timer1->stop();
    m_timerEnabled = false;
    m_timerInterval = 0;

    // Sound, first pass. A soundtrack still playing from an earlier frame is
    // never interrupted unless this frame stops sounds.
    if (frame.StopSounds)
        SoundtrackMedia().mmClose();
    const bool soundtrackFree = !frame.Soundtrack.isEmpty() && SoundtrackMedia().Status() != QLatin1String("playing");
    if (soundtrackFree && (frame.Video.isEmpty() || !frame.SoundAfterVideo))
        playSoundtrack();

    if (!frame.Video.isEmpty()) {
        if (!isVisible())
            showGame();
        QCoreApplication::processEvents();
        SoundMedia().mmClose();
        MovieMedia().setWait(true);
        MovieMedia().PlayMovie(FileNames::inFolder(ProjectPaths::FramesPath, frame.Video), PictureBox->winId());
        QCoreApplication::processEvents();
        if (m_unloaded)
            return;
    }

    // Background.
    if (frame.FrameKind == 0) {
        BackImage->clearPicture();
        m_tile = QPixmap();
        RecordValue colourText{RecordValue::Kind::Bare, frame.Background, false};
        double colour = 0;
        if (colourText.toNumber(colour) && colour >= std::numeric_limits<qint32>::min()
            && colour <= std::numeric_limits<qint32>::max()) {
            const auto rgb = static_cast<quint32>(static_cast<qint32>(std::nearbyint(colour)));
            QPalette palette = PictureBox->palette();
            palette.setColor(QPalette::Window, QColor(rgb & 0xff, (rgb >> 8) & 0xff, (rgb >> 16) & 0xff));
            PictureBox->setPalette(palette);
        }
    } else if (frame.FrameKind == 1) {
        const QPixmap picture = loadPicture(FileNames::inFolder(ProjectPaths::FramesPath, frame.Background));
        if (frame.Tiled) {
            if (!picture.isNull()) {
                m_tile = picture;
                BackImage->clearPicture();
            }
        } else {
            m_tile = QPixmap();
            if (!picture.isNull())
                BackImage->setPicture(picture);
        }
    }
    PictureBox->update();

    if (ReadLinksCount() >= 1) {
        LoadAreas();
        ShowOrNotShowAreas();
        for (int i = 1; i <= ObjectsCount && i < int(PickedObject.size()); ++i)
            PickedObject[size_t(i)]->raise();
    }

    // Sound, second pass: after the video.
    const bool stillFree = !frame.Soundtrack.isEmpty() && SoundtrackMedia().Status() != QLatin1String("playing");
    if (stillFree && !frame.Video.isEmpty() && frame.SoundAfterVideo)
        playSoundtrack();

    if (!frame.Video.isEmpty())
        MovieMedia().StopMovie();
    PictureBox->show();
    setDuration();
    emit frameOpened(frame.Name);
}

void Game::setDuration()
{
    const FrameRecord& frame = FrameRecord::current();
    if (!frame.HasDuration)
        return;
    m_timerEnabled = true;
    // The interval is computed in a signed 16-bit integer: 32 seconds fit,
    // 33 do not, and the timer then keeps the interval 0 and never fires.
    const int product = int(frame.DurationSeconds) * 1000;
    if (product > std::numeric_limits<qint16>::max() || product < 0) {
        MsgBox(QStringLiteral("Unable to load frame duration."), Dialogs::Icon::Exclamation);
        return;
    }
    m_timerInterval = product;
    if (product > 0)
        Timer1->start(product);
}

void Game::Timer1_Timer()
{
    const QString target = FrameRecord::current().DurationTarget;
    if (!target.isEmpty())
        OpenFrame(target);
}

std::vector<QPoint> Game::tilePositions() const
{
    std::vector<QPoint> positions;
    if (m_tile.isNull() || !FrameRecord::current().Tiled)
        return positions;
    const int w = m_tile.width();
    const int h = m_tile.height();
    // Both loops include their end value, so the last row and column may be
    // cut at the edge.
    for (int x = 0; x <= PictureBox->width(); x += w) {
        for (int y = 0; y <= PictureBox->height(); y += h)
            positions.emplace_back(x, y);
    }
    return positions;
}

void Game::paintTiles()
{
    const std::vector<QPoint> positions = tilePositions();
    if (positions.empty())
        return;
    QPainter painter(PictureBox);
    for (const QPoint& p : positions)
        painter.drawPixmap(p, m_tile);
}

// ---- Areas ---------------------------------------------------------------

void Game::ResetFrameAreas()
{
    for (size_t i = 1; i < Area.size(); ++i) {
        Area[i]->hide();
        Area[i]->deleteLater();
    }
    Area.resize(1);
}

void Game::LoadAreas()
{
    const FrameRecord& frame = FrameRecord::current();
    auto fail = [&frame] {
        MsgBox(QStringLiteral("Unable to load all the ") + QString::number(frame.LinksCount)
                   + QStringLiteral(" frame area(s)."),
               Dialogs::Icon::Exclamation);
    };
    for (int n = 1; n <= frame.LinksCount; ++n) {
        const QString file = AreaFile::path(frame.Name, n, QStringLiteral("a.dat"));
        if (!FileNames::exists(file))
            return fail();
        ImageControl* area = newArea(n);
        Area.push_back(area);
        AreaPlacement p;
        int step = 0;
        const bool read = AreaFile::readPlacement(file, p, &step);
        if (step >= 1) {
            // Areas lie 30 twips further right and down than stored.
            area->setTwipsGeometry(double(p.Left) + 30, double(p.Top) + 30, p.Width, p.Height);
        }
        if (step >= 2) {
            // The stretch flag is set before the picture, so an unstretched
            // area takes its picture's size.
            area->setStretch(p.Stretch == 1);
            if (p.Transparent)
                area->clearPicture();
            if (p.HasPicture) {
                const QPixmap picture = loadPicture(FileNames::inFolder(ProjectPaths::AreasPath, p.Picture));
                if (picture.isNull())
                    return fail();
                area->setPicture(picture);
            }
        }
        if (step >= 3) {
            if (AreaFile::hasCustomPointer(p.Pointer)) {
                const QString pointerFile = FileNames::inFolder(ProjectPaths::IconsPath, p.Pointer);
                const std::optional<QCursor> pointer = pointerFile.isEmpty() ? std::nullopt : Pictures::cursor(pointerFile);
                if (!pointer)
                    return fail();
                area->setPointer(pointer);
            } else {
                area->setPointer(std::nullopt);
            }
        }
        area->raise();
        if (!read)
            return fail();
    }
}

void Game::ShowOrNotShowAreas()
{
    const FrameRecord& frame = FrameRecord::current();
    for (int n = 1; n <= frame.LinksCount; ++n) {
        const std::optional<bool> visible = AreaFile::isVisible(frame.Name, n, Disappear, Variables);
        // An area that LoadAreas could not create cannot be shown or hidden:
        // it fails as an unreadable area file does.
        if (!visible || n >= int(Area.size())) {
            MsgBox(QStringLiteral("Unable to load areas information."), Dialogs::Icon::Exclamation);
            return;
        }
        Area[size_t(n)]->setVisible(*visible);
    }
}

// ---- Actions -------------------------------------------------------------

void Game::ShowAdventureMessage(const QString& text)
{
    MsgBox(text, Dialogs::Icon::Information, Dialogs::Buttons::OK, ProjectRecord::current().AdventureName);
}

void Game::MakeAction(qint16 AreaIndex, qint16 ObjectIndex, qint16& result)
{
    result = 0;
    const QString frame = FrameRecord::current().Name;
    QString file;
    if (ObjectIndex != 0) {
        const QString object =
            ObjectIndex > 0 && ObjectIndex < qint16(PickedObject.size()) ? PickedObject[size_t(ObjectIndex)]->tag() : QString();
        // An object name that is not one plain name cannot name an event file.
        if (!FileNames::isPlainName(object))
            return;
        file = AreaFile::path(frame, AreaIndex, QLatin1Char('_') + object + QStringLiteral(".drg"));
    } else {
        file = AreaFile::path(frame, AreaIndex, QStringLiteral("b.dat"));
    }
    Effects effects(*this);
    const ActionOutcome outcome = ActionRunner::run(file, AreaIndex, ObjectIndex, effects);
    if (outcome.failed)
        MsgBox(QStringLiteral("Unable to complete area task."), Dialogs::Icon::Exclamation);
    result = outcome.result;
}

void Game::handleResult(qint16 result)
{
    if (result == ActionOutcome::StopGame)
        unload();
    else if (result != ActionOutcome::FrameOpened)
        ShowOrNotShowAreas();
}

void Game::Area_Click(int Index)
{
    HideMenus();
    PickOrNotPickObject(qint16(Index));
    qint16 result = 0;
    MakeAction(qint16(Index), 0, result);
    handleResult(result);
}

void Game::Area_DragDrop(int Index, QObject* Source)
{
    if (!Source || Source->objectName().toLower() != QLatin1String("pickedobject"))
        return;
    qint16 result = 0;
    MakeAction(qint16(Index), DraggedObjectIndex, result);
    handleResult(result);
}

// ---- Inventory -----------------------------------------------------------

void Game::PickOrNotPickObject(qint16 areaIndex)
{
    RecordReader in;
    qint16 pickable = 0;
    QString name;
    // Any failure here means the area is simply not pickable.
    if (!in.open(AreaFile::path(FrameRecord::current().Name, areaIndex, QStringLiteral("c.dat")))
        || !in.readInt16(pickable) || pickable != 1 || !in.readString(name))
        return;
    AddPickedObject(name);
}

void Game::AddPickedObject(const QString& ObjectName)
{
    auto fail = [&ObjectName] {
        MsgBox(QStringLiteral("Unable to pick up '") + ObjectName + QStringLiteral("'."), Dialogs::Icon::Exclamation);
    };
    RecordReader in;
    QString icon;
    if (!FileNames::isPlainName(ObjectName)
        || !in.open(ProjectPaths::AreasPath + ObjectName + QStringLiteral(".obj")) || !in.readString(icon))
        return fail();
    if (ObjectsCount == std::numeric_limits<qint16>::max())
        return fail();
    const QPixmap picture = loadPicture(FileNames::inFolder(ProjectPaths::AreasPath, icon));
    if (picture.isNull()) {
        // A pick that fails gives its cell back, so that the inventory holds
        // only objects that are shown.
        return fail();
    }
    ObjectsCount = qint16(ObjectsCount + 1);
    const int k = ObjectsCount;
    ImageControl* element = newPickedObject(k);
    PickedObject.push_back(element);
    const int columns = std::max(1, ProjectRecord::current().ScreenWidth / kCell);
    element->setTwipsGeometry(Twips::fromPixels(((k - 1) % columns) * kCell), Twips::fromPixels(((k - 1) / columns) * kCell),
                              Twips::fromPixels(kCell), Twips::fromPixels(kCell));
    element->setPicture(picture);
    element->setToolTip(ObjectName);
    element->setTag(ObjectName);
    element->show();
    element->raise();
}

void Game::RemovePickedObject(qint16 index)
{
    if (index < 1 || index > ObjectsCount || size_t(ObjectsCount) >= PickedObject.size())
        return;
    ImageControl* target = PickedObject[size_t(index)];
    ImageControl* last = PickedObject[size_t(ObjectsCount)];
    // The last object moves into the freed cell.
    target->setPicture(last->picture());
    target->setTag(last->tag());
    target->setToolTip(last->toolTip());
    last->hide();
    last->deleteLater();
    PickedObject.pop_back();
    ObjectsCount = qint16(ObjectsCount - 1);
}

void Game::PickedObject_MouseDown(int Index, Qt::MouseButton Button)
{
    HideMenus();
    if (Button != Qt::LeftButton || Index < 1 || Index >= int(PickedObject.size()))
        return;
    DraggedObjectIndex = qint16(Index);
    startDrag(PickedObject[size_t(Index)]);
}

void Game::startDrag(ImageControl* icon)
{
    if (g_dragStarter) {
        g_dragStarter(icon);
        return;
    }
    // The icon itself shows under the pointer while it is dragged.
    auto* drag = new QDrag(icon);
    drag->setMimeData(new DragSource(icon));
    drag->setPixmap(icon->picture());
    drag->setHotSpot(QPoint(icon->picture().width() / 2, icon->picture().height() / 2));
    drag->exec(Qt::MoveAction);
}

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
    if (g_saveGame) {
        g_saveGame();
        return;
    }
    frmSaveGame dialog(this);
    dialog.LoadSaveGames();
    dialog.exec();
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
        case QEvent::Paint:
            // The background colour is filled before this; the tiles go on it.
            paintTiles();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
