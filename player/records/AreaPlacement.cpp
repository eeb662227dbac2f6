#include "player/records/AreaPlacement.h"

#include "player/records/RecordSync.h"

void AreaPlacement::sync(RecordSync& s)
{
    s.single(Left);
    s.single(Top);
    s.single(Width);
    s.single(Height);
    s.boolean(Transparent);
    s.boolean(HasPicture);
    s.string(Picture);
    s.int16(Stretch);
    s.string(Pointer);
    syncCondition(s);
}

void AreaPlacement::syncCondition(RecordSync& s)
{
    s.int16(Conditional);
    s.stringList(MustBeZero);
    s.stringList(MustBeOne);
}

void AreaCondition::sync(RecordSync& s)
{
    s.skip(AreaPlacement::PointerFields);
    area.syncCondition(s);
}
