// A frame file and its links file, read as
// the game opens the frame: by the frame record, then by a game session
// opening the frame and, when its duration ends, the frame it names.
// Input: the frame file, then the links file after a separator.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/FrameRecord.h"
#include "player/records/ProjectFiles.h"
#include "player/state/GameSession.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    FuzzProject::write(GameHarness::relative(ProjectFiles::variables()), "0\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString frame = QStringLiteral("Hall");
    const std::vector<QByteArray> files = FuzzProject::split(data, size, 2);
    FuzzProject::write(GameHarness::relative(ProjectFiles::frameFile(frame)), files[0]);
    FuzzProject::write(GameHarness::relative(ProjectFiles::linksFile(frame)), files[1]);
    {
        FuzzProject::Guard guard;
        ResetFrameRecord();
        const bool complete = LoadFrameFile(frame);
        if (!complete && FrameRecord::current().LinksCount != 0) {
            std::fprintf(stderr, "frame: a frame file that failed left a links count\n");
            std::abort();
        }

        // The duration target is the next frame's name, which must not reach
        // outside the game folder.
        GameSession& game = GameHarness::newGame();
        game.openFrame(frame);
        const GameSession::DurationTimer timer = game.durationTimer();
        if (timer.interval < 0 || timer.interval > 32767 || (timer.interval > 0 && !timer.enabled)) {
            std::fprintf(stderr, "frame: a duration timer outside its 16-bit interval\n");
            std::abort();
        }
        game.durationEnded();
    }
    GameHarness::settle();
    return 0;
}
