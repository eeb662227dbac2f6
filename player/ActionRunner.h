#pragma once

#include <QString>

struct ActionRecord;
struct RecordRead;

// What an area's action or an object's event does to the game, in the order
// the record gives. The game session carries the effects out; tests record
// them.
class ActionEffects {
public:
    virtual ~ActionEffects() = default;
    virtual void changeVariable(const QString& name, qint16 newValue) = 0;
    virtual void showMessage(const QString& text) = 0;
    // `file` is the sound's path in the Areas folder, empty when its name is
    // not one plain file name (it then cannot be opened).
    virtual void playSound(const QString& file) = 0;
    virtual void removePickedObject(qint16 objectIndex) = 0;
    virtual void disappear(qint16 areaIndex) = 0;
    virtual void openFrame(const QString& name) = 0;
};

// The outcome of an action: 0 nothing special, 1 the game must stop, 2
// another frame has been opened. `failed` when the record could not be
// opened or read; the effects before the failure stay.
struct ActionOutcome {
    enum : qint16 { Nothing = 0, StopGame = 1, FrameOpened = 2 };
    qint16 result = Nothing;
    bool failed = false;
};

namespace ActionRunner {

// Runs the action record of area `areaIndex` as it was read: each step runs
// when the fields it needs were read, and the first step whose fields are
// missing fails the action. `objectIndex` is the dropped inventory object (0
// for a click): for a drop, a record that cannot be opened means no event was
// defined, and nothing happens.
ActionOutcome run(const ActionRecord& record, const RecordRead& read, qint16 areaIndex, qint16 objectIndex,
                  ActionEffects& effects);

}  // namespace ActionRunner
