#include "player/records/FrameFile.h"

#include "player/records/RecordSync.h"

void FrameFile::sync(RecordSync& s)
{
    s.int16(FrameKind);
    s.textOrNumber(Background, BackgroundBare);
    s.boolean(Tiled);
    s.boolean(StopSounds);
    s.string(Soundtrack);
    s.boolean(HasDuration);
    s.int16(DurationSeconds);
    s.string(DurationTarget);
    s.string(Video);
    s.boolean(SoundAfterVideo);
}
