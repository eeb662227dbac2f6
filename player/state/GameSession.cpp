#include "player/state/GameSession.h"

#include "player/ActionRunner.h"
#include "player/AreaFile.h"
#include "player/GameGeometry.h"
#include "player/records/ColourNumber.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/records/SavedGame.h"
#include "player/state/GameRecords.h"
#include "player/state/GameVariables.h"
#include "player/state/GameView.h"

#include <limits>

// The session carries out what an action record asks for.
class GameSession::Effects final : public ActionEffects {
public:
    explicit Effects(GameSession& session) : m_session(session) {}
    void changeVariable(const QString& name, qint16 value) override { m_session.changeVariableValue(name, value); }
    void showMessage(const QString& text) override { m_session.m_view->adventureMessage(text); }
    void playSound(const QString& file) override
    {
        m_session.m_view->openSound(file);
        m_session.m_view->playSound();
    }
    void removePickedObject(qint16 index) override { m_session.removePickedObject(index); }
    // The frame on screen now: a message box before this step may have let
    // a duration change the frame.
    void disappear(qint16 area) override { m_session.m_disappeared.Add(m_session.m_frame.Name, area); }
    void openFrame(const QString& name) override { m_session.openFrame(name); }

private:
    GameSession& m_session;
};

GameSession::GameSession(GameRecords& records, GameView& view)
    : m_records(&records)
    , m_view(&view)
{
}

// ---- Variables and game lifecycle ----------------------------------------

void GameSession::resetAll()
{
    m_variables.clear();
    m_disappeared.clear();
    m_inventory.clear();
    m_draggedObjectIndex = 0;
    m_view->clearInventory();
}

void GameSession::startNewGame()
{
    loadVariables();
    openFrame(ProjectRecord::current().StartingFrame);
}

void GameSession::loadVariables()
{
    const LoadedRecord<VariablesFile> file = m_records->variables();
    if (!GameVariables::load(m_variables, file.record, file.read))
        m_view->failure(QStringLiteral("Unable to load variables list."));
}

void GameSession::changeVariableValue(const QString& name, qint16 newValue)
{
    GameVariables::change(m_variables, name, newValue);
}

qint16 GameSession::variableValue(const QString& name) const { return GameVariables::value(m_variables, name); }

void GameSession::stop()
{
    m_stopped = true;
    m_timer = {};
}

void GameSession::restore(const SavedGame& saved)
{
    for (const auto& [name, value] : saved.variables)
        changeVariableValue(name, value);
    for (const auto& [frame, area] : saved.disappeared)
        m_disappeared.Add(frame, area);
    for (const QString& object : saved.inventory)
        addPickedObject(object);
}

SavedGame GameSession::toSavedGame() const
{
    SavedGame saved;
    saved.frame = m_frame.Name;
    for (const ClassVariable& variable : m_variables)
        saved.variables.append({variable.Name, variable.Value});
    for (const ClassVariable& entry : m_disappeared)
        saved.disappeared.append({entry.Name, entry.Value});
    saved.inventory = m_inventory;
    return saved;
}

// ---- Frames --------------------------------------------------------------

bool GameSession::loadFrameFile(const QString& name)
{
    // The fields read before a failure keep their values; the rest keep
    // those of a cleared frame record, and the links count is not read.
    m_frame.Name = name;
    const LoadedRecord<FrameFile> file = m_records->frame(name);
    static_cast<FrameFile&>(m_frame) = file.record;
    if (file.read.complete) {
        const LoadedRecord<LinksFile> links = m_records->links(name);
        m_frame.LinksCount = links.read.complete ? links.record.LinksCount : qint16(0);
    }
    m_view->frameChanged(m_frame);
    return file.read.complete;
}

qint16 GameSession::readLinksCount()
{
    const LoadedRecord<LinksFile> links = m_records->links(m_frame.Name);
    m_frame.LinksCount = links.read.complete ? links.record.LinksCount : qint16(0);
    m_view->frameChanged(m_frame);
    return m_frame.LinksCount;
}

void GameSession::playSoundtrack()
{
    // A soundtrack name that is not one plain file name is refused, and the
    // frame goes on without it as after any soundtrack that cannot play.
    const QString file = ProjectFiles::inFrames(m_frame.Soundtrack);
    if (file.isEmpty()) {
        m_view->failure(QStringLiteral("Unable to play soundtrack."));
        return;
    }
    m_view->openSoundtrack(file);
    m_view->playSoundtrack();
}

void GameSession::openFrame(QString name)
{
    if (m_stopped)
        return;
    m_frame = FrameRecord();
    resetFrameAreas();
    if (!loadFrameFile(name))
        m_view->failure(QStringLiteral("Sorry, unable to open '") + name + QStringLiteral("'."));
    // A message box may let a duration or a click open another frame before
    // this one is done: from here on the frame is whichever is on screen.
    const FrameRecord& frame = m_frame;
    m_timer = {};
    m_view->setDurationTimer(false, 0);

    // Sound, first pass. A soundtrack still playing from an earlier frame is
    // never interrupted unless this frame stops sounds.
    if (frame.StopSounds)
        m_view->closeSoundtrack();
    const bool soundtrackFree =
        !frame.Soundtrack.isEmpty() && m_view->soundtrackStatus() != QLatin1String("playing");
    if (soundtrackFree && (frame.Video.isEmpty() || !frame.SoundAfterVideo))
        playSoundtrack();

    if (!frame.Video.isEmpty()) {
        m_view->beforeVideo();
        m_view->closeSound();
        m_view->playVideo(ProjectFiles::inFrames(frame.Video));
        // The game may have been left while the video played.
        if (m_stopped)
            return;
    }

    FrameBackground background;
    if (frame.FrameKind == 0) {
        background.kind = FrameBackground::Kind::Colour;
        background.colour = ColourNumber::fromText(frame.Background);
    } else if (frame.FrameKind == 1) {
        background.kind = FrameBackground::Kind::Picture;
        background.picture = ProjectFiles::inFrames(frame.Background);
        background.name = frame.Background;
        background.tiled = frame.Tiled;
    }
    m_view->showBackground(background);

    if (readLinksCount() >= 1) {
        loadAreas();
        showOrNotShowAreas();
        m_view->raiseInventory();
    }

    // Sound, second pass: after the video.
    const bool stillFree = !frame.Soundtrack.isEmpty() && m_view->soundtrackStatus() != QLatin1String("playing");
    if (stillFree && !frame.Video.isEmpty() && frame.SoundAfterVideo)
        playSoundtrack();

    if (!frame.Video.isEmpty())
        m_view->stopVideo();
    m_view->showFrame();
    setDuration();
    m_view->afterFrameOpened(frame.Name);
}

void GameSession::setDuration()
{
    if (!m_frame.HasDuration)
        return;
    m_timer.enabled = true;
    // The interval is computed in a signed 16-bit integer: 32 seconds fit,
    // 33 do not, and the timer then keeps the interval 0 and never fires.
    const int product = int(m_frame.DurationSeconds) * 1000;
    if (product > std::numeric_limits<qint16>::max() || product < 0) {
        m_view->setDurationTimer(true, 0);
        m_view->failure(QStringLiteral("Unable to load frame duration."));
        return;
    }
    m_timer.interval = product;
    m_view->setDurationTimer(true, product);
}

void GameSession::durationEnded()
{
    // Opening the target clears the frame record the name comes from.
    const QString target = m_frame.DurationTarget;
    if (!target.isEmpty())
        openFrame(target);
}

// ---- Areas ---------------------------------------------------------------

void GameSession::resetFrameAreas()
{
    m_areas.clear();
    m_view->clearAreas();
}

void GameSession::loadAreas()
{
    const FrameRecord& frame = m_frame;
    auto fail = [this, &frame] {
        m_view->failure(QStringLiteral("Unable to load all the ") + QString::number(frame.LinksCount)
                        + QStringLiteral(" frame area(s)."));
    };
    for (int n = 1; n <= frame.LinksCount; ++n) {
        const LoadedRecord<AreaPlacement> file = m_records->placement(frame.Name, n);
        if (!file.read.opened)
            return fail();
        const AreaPlacement& p = file.record;
        const int step = AreaFile::placementStep(file.read);
        AreaLook look;
        look.n = n;
        if (step >= 1) {
            // Areas lie 30 twips further right and down than stored.
            look.twips = QRectF(double(p.Left) + 30, double(p.Top) + 30, p.Width, p.Height);
        }
        if (step >= 2) {
            look.stretch = p.Stretch == 1;
            look.transparent = p.Transparent;
            if (p.HasPicture)
                look.picture = ProjectFiles::inAreas(p.Picture);
        }
        if (step >= 3) {
            look.pointerRead = true;
            if (AreaFile::hasCustomPointer(p.Pointer))
                look.pointer = ProjectFiles::inIcons(p.Pointer);
        }
        // The area exists from here on, also when setting it up fails.
        m_areas.append(Area{look.twips.value_or(QRectF()), false});
        if (!m_view->createArea(look) || step < 3)
            return fail();
    }
}

void GameSession::showOrNotShowAreas()
{
    const FrameRecord& frame = m_frame;
    for (int n = 1; n <= frame.LinksCount; ++n) {
        const LoadedRecord<AreaPlacement> file = m_records->condition(frame.Name, n);
        const std::optional<bool> visible =
            AreaFile::isVisible(file.record, file.read, frame.Name, n, m_disappeared, m_variables);
        // An area that loading could not create cannot be shown or hidden:
        // it fails as an unreadable area file does.
        if (!visible || n > m_areas.size()) {
            m_view->failure(QStringLiteral("Unable to load areas information."));
            return;
        }
        m_areas[n - 1].visible = *visible;
        m_view->setAreaVisible(n, *visible);
    }
}

// ---- Actions -------------------------------------------------------------

qint16 GameSession::makeAction(qint16 area, qint16 object)
{
    const QString frame = m_frame.Name;
    // An object that is not in the inventory has no name, and so no event.
    const QString objectName = object > 0 && object <= m_inventory.size() ? m_inventory.at(object - 1) : QString();
    const LoadedRecord<ActionRecord> file =
        object != 0 ? m_records->event(frame, area, objectName) : m_records->action(frame, area);
    Effects effects(*this);
    const ActionOutcome outcome = ActionRunner::run(file.record, file.read, area, object, effects);
    if (outcome.failed)
        m_view->failure(QStringLiteral("Unable to complete area task."));
    return outcome.result;
}

void GameSession::handleResult(qint16 result)
{
    if (result == ActionOutcome::StopGame) {
        stop();
        m_view->gameStopped();
    } else if (result != ActionOutcome::FrameOpened) {
        showOrNotShowAreas();
    }
}

void GameSession::click(qint16 area)
{
    pickOrNotPickObject(area);
    handleResult(makeAction(area, 0));
}

void GameSession::drop(qint16 area) { handleResult(makeAction(area, m_draggedObjectIndex)); }

bool GameSession::startDrag(qint16 k)
{
    if (k < 1 || k > m_inventory.size())
        return false;
    m_draggedObjectIndex = k;
    return true;
}

// ---- Inventory -----------------------------------------------------------

void GameSession::pickOrNotPickObject(qint16 area)
{
    // Any failure here means the area is simply not pickable: it needs the
    // flag 1 and the object's name.
    const LoadedRecord<PickableRecord> file = m_records->pickable(m_frame.Name, area);
    if (file.read.fields < 2 || file.record.Pickable != 1)
        return;
    addPickedObject(file.record.ObjectName);
}

void GameSession::addPickedObject(const QString& name)
{
    auto fail = [this, &name] {
        m_view->failure(QStringLiteral("Unable to pick up '") + name + QStringLiteral("'."));
    };
    const LoadedRecord<ObjectFile> object = m_records->object(name);
    if (!object.read.complete || m_inventory.size() == std::numeric_limits<qint16>::max())
        return fail();
    const int k = int(m_inventory.size()) + 1;
    const QRect cell = GameGeometry::inventoryCell(k, ProjectRecord::current().ScreenWidth);
    // A pick whose icon cannot be shown takes no cell, so that the
    // inventory holds only objects that are shown.
    if (!m_view->addInventoryObject(k, name, ProjectFiles::inAreas(object.record.Icon), cell))
        return fail();
    m_inventory.append(name);
}

void GameSession::removePickedObject(qint16 k)
{
    if (k < 1 || k > m_inventory.size())
        return;
    // The last object moves into the freed cell.
    m_view->removeInventoryObject(k);
    m_inventory[k - 1] = m_inventory.constLast();
    m_inventory.removeLast();
}
