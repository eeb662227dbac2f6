// An area file Areas/<frame>/<n>a.dat: its placement and its conditions as
// the model reads them, then the game window loading and showing the areas
// of a frame whose two areas both have this file (the second one has
// disappeared). The variables A = 0, B = 1 and C = 5 exist.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/AreaFile.h"
#include "player/FrameRecord.h"
#include "player/windows/Game.h"

#include <cstdio>
#include <cstdlib>

namespace {

const QString kFrame = QStringLiteral("Hall");

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "area: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    // A picture and pointers that an area may name.
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/bmp1.bmp"), QStringLiteral("Areas/pic.bmp"));
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/arrow.cur"), QStringLiteral("Icons/hand.cur"));
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Icons/look.ico"));
    Game& game = GameHarness::game();
    game.Variables.Add(QStringLiteral("A"), 0);
    game.Variables.Add(QStringLiteral("B"), 1);
    game.Variables.Add(QStringLiteral("C"), 5);
    game.Disappear.Add(kFrame, 2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FuzzProject::write(QStringLiteral("Areas/Hall/1a.dat"), bytes);
    FuzzProject::write(QStringLiteral("Areas/Hall/2a.dat"), bytes);
    Game& game = GameHarness::game();
    {
        FuzzProject::Guard guard;
        AreaPlacement placement;
        int step = -1;
        const bool read = AreaFile::readPlacement(AreaFile::path(kFrame, 1, QStringLiteral("a.dat")), placement, &step);
        require(step >= 0 && step <= 3 && read == (step == 3), "the placement step does not match the result");
        const std::optional<bool> shown = AreaFile::isVisible(kFrame, 1, game.Disappear, game.Variables);
        const std::optional<bool> gone = AreaFile::isVisible(kFrame, 2, game.Disappear, game.Variables);
        require(gone == std::optional<bool>(false), "a disappeared area was not hidden");
        (void)shown;

        game.ResetFrameAreas();
        FrameRecord& frame = FrameRecord::current();
        frame.Name = kFrame;
        frame.LinksCount = 2;
        game.LoadAreas();
        game.ShowOrNotShowAreas();
        game.ResetFrameAreas();
    }
    GameHarness::settle();
    return 0;
}
