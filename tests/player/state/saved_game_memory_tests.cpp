// A player that loads many saved games in one sitting, as the saved-game
// fuzz target does: what one load takes must be given back.

#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/records/SavedGame.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/GameSession.h"
#include "player/state/HeadlessGameView.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace {

size_t heapInUse() { return mallinfo2().uordblks; }

TEST(SavedGameMemoryTest, LoadingManyDifferentGamesKeepsNoMemory)
{
    TempProject project;
    project.makeGame(QStringLiteral("Memory"), 640, 480, QStringLiteral("Hall"));
    project.write(QStringLiteral("Frames/Hall.fme"),
                  "0\r\n\"0\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    project.write(QStringLiteral("Frames/Hall.lks"), "0\r\n");
    project.write(QStringLiteral("Config/Variables"), "2\r\n\"A\"\r\n\"B\"\r\n");
    project.write(QStringLiteral("Areas/Key.obj"), "\"key.ico\"\r\n");
    project.write(QStringLiteral("Areas/key.ico"), "x");
    ProjectRecord::current().AdventureName = QStringLiteral("Memory");
    ProjectRecord::current().ScreenWidth = 640;
    ProjectRecord::current().ScreenHeight = 480;

    HeadlessGameView view;
    const QString file = SavedGame::path(ProjectPaths::ProjectPath, QStringLiteral("Game"));
    // Every game names other frames, variables and objects, as the inputs
    // of a fuzzer do.
    const auto loadOne = [&](int i) {
        const QByteArray n = QByteArray::number(i);
        project.write(QStringLiteral("Game.sav"), "\"Frame" + n + "\"\r\n2\r\n\"A\"\r\n1\r\n\"V" + n + "\"\r\n0\r\n1\r\n\"Hall\"\r\n"
                      + n + "\r\n2\r\n\"Key\"\r\n\"Thing" + n + "\"\r\n");
        SavedGame saved;
        SavedGame::read(file, saved);
        GameSession session(DiskGameRecords::instance(), view);
        session.resetAll();
        session.loadVariables();
        session.restore(saved);
        session.openFrame(saved.frame);
        session.openFrame(QStringLiteral("Hall"));
        view.clear();
    };
    for (int i = 0; i < 300; ++i)
        loadOne(i);
    const size_t before = heapInUse();
    constexpr int loads = 2000;
    for (int i = 300; i < 300 + loads; ++i)
        loadOne(i);
    const double perLoad = double(heapInUse()) - double(before);
    RecordProperty("bytes_kept_per_load", std::to_string(perLoad / loads));
    // A few bytes of noise per load at most; what was found kept half a
    // kilobyte each.
    EXPECT_LT(perLoad / loads, 16.0);
}

}  // namespace
