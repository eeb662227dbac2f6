#include "player/FrameRecord.h"

FrameRecord& FrameRecord::current()
{
    static FrameRecord record;
    return record;
}

void ResetFrameRecord()
{
    FrameRecord::current() = FrameRecord();
}
