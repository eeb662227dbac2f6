#include "player/ActionRunner.h"

#include "platform/FileNames.h"
#include "player/ProjectPaths.h"
#include "player/records/RecordReader.h"

namespace ActionRunner {

ActionOutcome run(const QString& file, qint16 areaIndex, qint16 objectIndex, ActionEffects& effects)
{
    ActionOutcome outcome;
    RecordReader in;
    if (!in.open(file)) {
        outcome.failed = objectIndex == 0;
        return outcome;
    }
    auto fail = [&outcome] {
        outcome.result = ActionOutcome::Nothing;
        outcome.failed = true;
        return outcome;
    };

    qint16 changeVariable = 0;
    QString variableName;
    bool setToZero = false, setToOne = false, invert = false;
    if (!in.readInt16(changeVariable) || !in.readString(variableName) || !in.readBoolean(setToZero))
        return fail();
    if (setToZero && changeVariable != 0)
        effects.changeVariable(variableName, 0);
    if (!in.readBoolean(setToOne))
        return fail();
    if (setToOne && changeVariable != 0)
        effects.changeVariable(variableName, 1);
    if (!in.readBoolean(invert))
        return fail();
    if (invert && changeVariable != 0)
        effects.changeVariable(variableName, -1);

    qint16 showMessage = 0;
    QString message;
    if (!in.readInt16(showMessage) || !in.readString(message))
        return fail();
    if (showMessage != 0)
        effects.showMessage(message);

    qint16 playSound = 0;
    QString sound;
    if (!in.readInt16(playSound) || !in.readString(sound))
        return fail();
    if (playSound != 0)
        effects.playSound(FileNames::inFolder(ProjectPaths::AreasPath, sound));

    qint16 disappearFlag = 0;
    if (!in.readInt16(disappearFlag))
        return fail();
    if (disappearFlag != 0) {
        if (objectIndex != 0)
            effects.removePickedObject(objectIndex);
        else
            effects.disappear(areaIndex);
    }

    qint16 stopGame = 0;
    if (!in.readInt16(stopGame))
        return fail();
    if (stopGame != 0) {
        outcome.result = ActionOutcome::StopGame;
        return outcome;
    }

    qint16 goToFrame = 0;
    QString target;
    if (!in.readInt16(goToFrame) || !in.readString(target))
        return fail();
    if (goToFrame != 0) {
        effects.openFrame(target);
        outcome.result = ActionOutcome::FrameOpened;
    }
    return outcome;
}

}  // namespace ActionRunner
