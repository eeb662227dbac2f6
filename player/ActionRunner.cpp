#include "player/ActionRunner.h"

#include "player/records/ActionRecord.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"

namespace ActionRunner {

ActionOutcome run(const ActionRecord& a, const RecordRead& read, qint16 areaIndex, qint16 objectIndex,
                  ActionEffects& effects)
{
    ActionOutcome outcome;
    if (!read.opened) {
        outcome.failed = objectIndex == 0;
        return outcome;
    }
    // Whether the fields up to the end of a step were read; when not, the
    // action fails there with the effects before it in force.
    const auto has = [&read](int fields) { return read.fields >= fields; };
    auto fail = [&outcome] {
        outcome.result = ActionOutcome::Nothing;
        outcome.failed = true;
        return outcome;
    };

    if (!has(ActionRecord::SetToZeroFields))
        return fail();
    if (a.SetToZero && a.ChangeVariable != 0)
        effects.changeVariable(a.VariableName, 0);
    if (!has(ActionRecord::SetToOneFields))
        return fail();
    if (a.SetToOne && a.ChangeVariable != 0)
        effects.changeVariable(a.VariableName, 1);
    if (!has(ActionRecord::InvertFields))
        return fail();
    if (a.Invert && a.ChangeVariable != 0)
        effects.changeVariable(a.VariableName, -1);

    if (!has(ActionRecord::MessageFields))
        return fail();
    if (a.ShowMessage != 0)
        effects.showMessage(a.Message);

    if (!has(ActionRecord::SoundFields))
        return fail();
    if (a.PlaySound != 0)
        effects.playSound(ProjectFiles::inAreas(a.Sound));

    if (!has(ActionRecord::DisappearFields))
        return fail();
    if (a.DisappearFlag != 0) {
        if (objectIndex != 0)
            effects.removePickedObject(objectIndex);
        else
            effects.disappear(areaIndex);
    }

    if (!has(ActionRecord::StopGameFields))
        return fail();
    if (a.StopGame != 0) {
        outcome.result = ActionOutcome::StopGame;
        return outcome;
    }

    if (!has(ActionRecord::GoToFrameFields))
        return fail();
    if (a.GoToFrame != 0) {
        effects.openFrame(a.TargetFrame);
        outcome.result = ActionOutcome::FrameOpened;
    }
    return outcome;
}

}  // namespace ActionRunner
