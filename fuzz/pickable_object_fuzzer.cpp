// The pickable-object file <n>c.dat of an area and the object file
// Areas/<object>.obj it leads to, read by the game window itself when the
// area is clicked. Input: the c.dat, then Key.obj after a separator. The
// icons key.ico and pic.bmp exist.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/FrameRecord.h"
#include "player/windows/Game.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Areas/key.ico"));
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/bmp1.bmp"), QStringLiteral("Areas/pic.bmp"));
    GameHarness::game();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> files = FuzzProject::split(data, size, 2);
    FuzzProject::write(QStringLiteral("Areas/Hall/1c.dat"), files[0]);
    FuzzProject::write(QStringLiteral("Areas/Key.obj"), files[1]);
    Game& game = GameHarness::game();
    {
        FuzzProject::Guard guard;
        FrameRecord::current().Name = QStringLiteral("Hall");
        game.PickOrNotPickObject(1);
        // Only shown objects are in the inventory.
        if (game.ObjectsCount < 0 || game.ObjectsCount > 1 || size_t(game.ObjectsCount) + 1 != game.pickedObjects().size()) {
            std::fprintf(stderr, "pickable object: the inventory count does not match its icons\n");
            std::abort();
        }
        if (game.ObjectsCount == 1)
            game.RemovePickedObject(1);
    }
    GameHarness::settle();
    return 0;
}
