// The demo game's whole walkthrough played on a game session alone: no
// window, no media, every file read once beforehand. What a game checker
// pays for every path it follows through a game.
#include "apps/playtest/PlaytestScript.h"
#include "apps/playtest/SessionPlayer.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/state/CachedGameRecords.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/GameSession.h"
#include "player/state/HeadlessGameView.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>


namespace {

// Plays the script; the number of steps that failed.
int play(GameRecords& records, const QList<PlaytestCommand>& commands)
{
    SessionPlayer player(records);
    player.view().setFilesChecked(false);
    int failed = 0;
    for (const PlaytestCommand& command : commands)
        failed += player.play(command).has_value();
    return failed;
}

void BM_DemoWalkthroughOnASession(benchmark::State& state)
{
    ProjectPaths::setProjectPath(QStringLiteral(QUENDARA_SOURCE_DIR "/demo/"));
    if (!LoadProjectRecord()) {
        state.SkipWithError("the demo's project record cannot be read");
        return;
    }
    const PlaytestScript script = PlaytestScript::load(ProjectPaths::ProjectPath + QStringLiteral("walkthrough.txt"));
    CachedGameRecords records(DiskGameRecords::instance());
    // The first play reads every file the walkthrough needs.
    if (!script.isValid() || play(records, script.commands()) != 0) {
        state.SkipWithError("the walkthrough does not play to its end");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(play(records, script.commands()));
    state.counters["steps"] = double(script.commands().size());
}
// The target is a median of at most 5 ms.
BENCHMARK(BM_DemoWalkthroughOnASession)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// One step of a checker: a session copied from a game in progress, and one
// click on the copy (lifting the mat at the door changes a variable and
// shows and hides three areas).
void BM_CopyASessionAndClick(benchmark::State& state)
{
    ProjectPaths::setProjectPath(QStringLiteral(QUENDARA_SOURCE_DIR "/demo/"));
    if (!LoadProjectRecord()) {
        state.SkipWithError("the demo's project record cannot be read");
        return;
    }
    CachedGameRecords records(DiskGameRecords::instance());
    HeadlessGameView view;
    view.setFilesChecked(false);
    GameSession game(records, view);
    game.resetAll();
    game.startNewGame();
    view.letTimePass(game, 9000);
    game.click(2);  // the shell
    game.click(1);  // to the door
    if (game.frame().Name != QLatin1String("Door")) {
        state.SkipWithError("the demo does not lead to its door");
        return;
    }
    for (auto _ : state) {
        GameSession next = game;
        next.click(3);
        benchmark::DoNotOptimize(next.variables().Count());
    }
}
BENCHMARK(BM_CopyASessionAndClick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
