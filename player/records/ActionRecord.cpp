#include "player/records/ActionRecord.h"

#include "player/records/RecordSync.h"

void ActionRecord::sync(RecordSync& s)
{
    s.int16(ChangeVariable);
    s.string(VariableName);
    s.boolean(SetToZero);
    s.boolean(SetToOne);
    s.boolean(Invert);
    s.int16(ShowMessage);
    s.string(Message);
    s.int16(PlaySound);
    s.string(Sound);
    s.int16(DisappearFlag);
    s.int16(StopGame);
    s.int16(GoToFrame);
    s.string(TargetFrame);
}
