// A saved game <name>.sav: read by the model, then loaded for real through
// the load-game window, which restores the variables, the disappeared areas
// and the inventory and opens the saved frame. The frame Hall (no areas),
// the variables A and B, the object Key and its icon exist.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/windows/Game.h"
#include "player/ProjectPaths.h"
#include "player/windows/frmLoadGame.h"
#include "player/records/SavedGame.h"

#include <QListWidget>

#include <cstdio>
#include <cstdlib>

namespace {

frmLoadGame* g_dialog = nullptr;

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
    FuzzProject::write(QStringLiteral("Frames/Hall.fme"), "0\r\n\"0\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    FuzzProject::write(QStringLiteral("Frames/Hall.lks"), "0\r\n");
    FuzzProject::write(QStringLiteral("Config/Variables"), "2\r\n\"A\"\r\n\"B\"\r\n");
    FuzzProject::write(QStringLiteral("Areas/Key.obj"), "\"key.ico\"\r\n");
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Areas/key.ico"));
    GameHarness::game();
    g_dialog = new frmLoadGame;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FuzzProject::write(QStringLiteral("Fuzz.sav"), bytes);
    {
        FuzzProject::Guard guard;
        SavedGame saved;
        SavedGame::read(SavedGame::path(ProjectPaths::ProjectPath, QStringLiteral("Fuzz")), saved);
        // Every entry kept needs characters of the file behind it.
        const qsizetype entries = saved.variables.size() + saved.disappeared.size() + saved.inventory.size();
        require(size_t(entries) <= size, "more entries than the file holds");

        g_dialog->LoadSaveGames();
        require(g_dialog->List1->count() == 1, "the saved game is not listed");
        g_dialog->List1->setCurrentRow(0);
        g_dialog->Command2_Click();
        Game& game = GameHarness::game();
        require(game.ObjectsCount >= 0 && size_t(game.ObjectsCount) + 1 == game.pickedObjects().size(),
                "the inventory count does not match its icons");
        game.ResetAll();
    }
    GameHarness::settle();
    return 0;
}
