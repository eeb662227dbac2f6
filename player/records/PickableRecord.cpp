#include "player/records/PickableRecord.h"

#include "player/records/RecordSync.h"

void PickableRecord::sync(RecordSync& s)
{
    s.int16(Pickable);
    s.string(ObjectName);
    s.string(Icon);
}
