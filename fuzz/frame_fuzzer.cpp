// A frame file Frames/<frame>.fme and its links file <frame>.lks, read as
// the game opens the frame. Input: the .fme, then the .lks after a separator.

#include "fuzz/support/FuzzProject.h"
#include "player/FrameRecord.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> files = FuzzProject::split(data, size, 2);
    FuzzProject::write(QStringLiteral("Frames/Hall.fme"), files[0]);
    FuzzProject::write(QStringLiteral("Frames/Hall.lks"), files[1]);

    FuzzProject::Guard guard;
    ResetFrameRecord();
    const bool complete = LoadFrameFile(QStringLiteral("Hall"));
    const FrameRecord& frame = FrameRecord::current();
    if (!complete && frame.LinksCount != 0) {
        std::fprintf(stderr, "frame: a frame file that failed left a links count\n");
        std::abort();
    }
    // The game reads the links file again before it loads the areas; the
    // duration target is the next frame's name, which must not reach outside.
    ReadLinksCount();
    const QString target = frame.DurationTarget;
    LoadFrameFile(target);
    return 0;
}
