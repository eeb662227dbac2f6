// The pickable-object file of an area and the object file it leads to,
// read by a game session when the area is clicked. Input: the
// pickable-object file, then the object file of Key after a separator. The
// icons key.ico and pic.bmp exist.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/records/ProjectFiles.h"
#include "player/state/GameSession.h"

#include <cstdio>
#include <cstdlib>

namespace {
const QString kFrame = QStringLiteral("Hall");
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Areas/key.ico"));
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/bmp1.bmp"), QStringLiteral("Areas/pic.bmp"));
    // The frame Hall, without areas of its own to show.
    FuzzProject::write(GameHarness::relative(ProjectFiles::frameFile(kFrame)),
                       "0\r\n\"0\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::linksFile(kFrame)), "0\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::variables()), "0\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> files = FuzzProject::split(data, size, 2);
    FuzzProject::write(GameHarness::relative(ProjectFiles::areaFile(kFrame, 1, ProjectFiles::AreaPart::Pickable)), files[0]);
    FuzzProject::write(GameHarness::relative(ProjectFiles::objectFile(QStringLiteral("Key"))), files[1]);
    {
        FuzzProject::Guard guard;
        GameSession& game = GameHarness::newGame();
        game.openFrame(kFrame);
        game.pickOrNotPickObject(1);
        // Only objects whose icon can be shown are in the inventory.
        if (game.objectsCount() > 1 || (game.objectsCount() == 1 && game.inventory().first().isEmpty())) {
            std::fprintf(stderr, "pickable object: the inventory holds what could not be shown\n");
            std::abort();
        }
        if (game.objectsCount() == 1)
            game.removePickedObject(1);
        if (game.objectsCount() != 0) {
            std::fprintf(stderr, "pickable object: removing the only object left the inventory not empty\n");
            std::abort();
        }
    }
    GameHarness::settle();
    return 0;
}
