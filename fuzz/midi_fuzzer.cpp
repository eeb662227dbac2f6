// A MIDI soundtrack: the checks and timing the sequencer makes before the
// synthesizer gets the file, and the position arithmetic of seeking in it.

#include "platform/media/MidiFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "midi: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<MidiFile> file = MidiFile::parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!file)
        return 0;
    require(file->format() == 0 || file->format() == 1, "an unknown format was accepted");
    require(file->trackCount() >= 1, "a file without tracks was accepted");
    require(file->totalTicks() >= 0, "a negative length in ticks");
    const qint64 length = file->lengthMs();
    require(length >= 0, "a negative length");
    // What seeking and the position query do for every position in range.
    for (const qint64 ms : {qint64(0), length / 3, length / 2, length}) {
        const qint64 tick = std::min(file->msToTicks(ms), file->totalTicks());
        require(tick >= 0, "a position before the start");
        require(file->ticksToMs(tick) <= length, "a position past the end");
    }
    return 0;
}
