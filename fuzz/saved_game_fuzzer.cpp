// A saved game <name>.sav: read by the model, then loaded into a game
// session as the load-game window loads it, which restores the variables,
// the disappeared areas and the inventory and opens the saved frame. The
// frame Hall (no areas), the variables A and B, the object Key and its icon
// exist.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectFiles.h"
#include "player/records/SavedGame.h"
#include "player/state/GameSession.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "saved game: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    FuzzProject::write(GameHarness::relative(ProjectFiles::frameFile(QStringLiteral("Hall"))),
                       "0\r\n\"0\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::linksFile(QStringLiteral("Hall"))), "0\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::variables()), "2\r\n\"A\"\r\n\"B\"\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::objectFile(QStringLiteral("Key"))), "\"key.ico\"\r\n");
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Areas/key.ico"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString file = SavedGame::path(ProjectPaths::ProjectPath, QStringLiteral("Fuzz"));
    FuzzProject::write(GameHarness::relative(file), bytes);
    {
        FuzzProject::Guard guard;
        SavedGame saved;
        const bool complete = SavedGame::read(file, saved);
        // Every entry kept needs characters of the file behind it.
        const qsizetype entries = saved.variables.size() + saved.disappeared.size() + saved.inventory.size();
        require(size_t(entries) <= size, "more entries than the file holds");

        GameSession& game = GameHarness::newGame();
        game.restore(saved);
        require(game.variables().Count() == 2, "restoring a saved game changed which variables exist");
        require(game.objectsCount() <= saved.inventory.size(), "more objects than the saved game holds");
        require(game.disappeared().Count() == saved.disappeared.size(), "disappeared areas were lost");
        if (complete)
            game.openFrame(saved.frame);
        require(game.toSavedGame().inventory == game.inventory(), "saving does not keep the inventory");
    }
    GameHarness::settle();
    return 0;
}
