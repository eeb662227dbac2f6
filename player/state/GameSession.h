#pragma once

#include "player/FrameRecord.h"
#include "player/state/VariablesCollection.h"

#include <QList>
#include <QRectF>
#include <QStringList>

class GameRecords;
class GameView;
struct SavedGame;

// One game being played, from a new or loaded game until it ends: the frame
// on screen, the variables, the disappeared areas, the inventory, and the
// game's rules for a click, a drop, a frame opening and a duration's end.
// What must be shown or played goes to its view, in the order of the rules;
// the files come from its records.
//
// A session is a value: copying it gives an independent game in the same
// state (sharing records and view until told otherwise), and costs little,
// as every list in it is implicitly shared.
class GameSession {
public:
    // What the duration timer of the frame on screen is set to.
    struct DurationTimer {
        bool enabled = false;
        int interval = 0;  // milliseconds; 0 never fires
        bool operator==(const DurationTimer&) const = default;
    };
    // An area of the frame on screen.
    struct Area {
        QRectF twips;  // as placed from its file; empty when not read
        bool visible = false;
        bool operator==(const Area&) const = default;
    };

    GameSession(GameRecords& records, GameView& view);

    void setRecords(GameRecords& records) { m_records = &records; }
    void setView(GameView& view) { m_view = &view; }

    const FrameRecord& frame() const { return m_frame; }
    const VariablesCollection& variables() const { return m_variables; }
    // Disappeared areas as (frame name, area number).
    const VariablesCollection& disappeared() const { return m_disappeared; }
    // The object names of the inventory, in inventory order.
    const QStringList& inventory() const { return m_inventory; }
    qint16 objectsCount() const { return qint16(m_inventory.size()); }
    // The inventory object whose drag is under way (the last one started).
    qint16& draggedObjectIndex() { return m_draggedObjectIndex; }
    qint16 draggedObjectIndex() const { return m_draggedObjectIndex; }
    const DurationTimer& durationTimer() const { return m_timer; }
    // The areas created for the frame on screen, area n at n - 1.
    const QList<Area>& areas() const { return m_areas; }
    // After an action stopped the game, or the game was left: for good, as
    // a game that ends closes its window; the next game is another session.
    bool stopped() const { return m_stopped; }

    // Empties the variables, the disappeared areas and the inventory.
    void resetAll();
    // The variables at their start values, then the starting frame.
    void startNewGame();
    void loadVariables();
    void changeVariableValue(const QString& name, qint16 newValue);
    qint16 variableValue(const QString& name) const;

    void openFrame(QString name);
    void resetFrameAreas();
    void loadAreas();
    void showOrNotShowAreas();

    // Runs the action of a click on `area` (object 0) or the event of
    // inventory object `object` dropped on it; the action's result.
    qint16 makeAction(qint16 area, qint16 object);
    // The player clicks an area, drops the dragged object on one.
    void click(qint16 area);
    void drop(qint16 area);
    // The player starts to drag inventory object `k`; false when there is none.
    bool startDrag(qint16 k);
    // The frame's duration has run out.
    void durationEnded();

    void pickOrNotPickObject(qint16 area);
    void addPickedObject(const QString& name);
    void removePickedObject(qint16 k);

    // The game ends outside its rules (the player leaves it): nothing more
    // is shown.
    void stop();

    // A saved game's variables, disappeared areas and inventory, added to
    // the game as it stands (a reset game with its variables loaded).
    void restore(const SavedGame& saved);
    SavedGame toSavedGame() const;

private:
    class Effects;

    bool loadFrameFile(const QString& name);
    qint16 readLinksCount();
    void playSoundtrack();
    void setDuration();
    void handleResult(qint16 result);

    GameRecords* m_records;
    GameView* m_view;
    FrameRecord m_frame;
    VariablesCollection m_variables;
    VariablesCollection m_disappeared;
    QStringList m_inventory;
    QList<Area> m_areas;
    DurationTimer m_timer;
    qint16 m_draggedObjectIndex = 0;
    bool m_stopped = false;
};
