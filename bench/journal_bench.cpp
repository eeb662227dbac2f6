// The project journal: removing a large frame and undoing its removal, and
// what the journal adds to an action that writes one area.
#include "editor/dialogs/AreaProperties.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/JournalAction.h"
#include "editor/shell/ProjectJournal.h"
#include "platform/ScriptedDialogs.h"
#include "player/records/AtomicFile.h"
#include "player/records/ProjectFiles.h"
#include "support/TempProject.h"

#include <benchmark/benchmark.h>

namespace {

// The frame "Cellar" with 50 areas, each with an action and an object, and
// 20 events on its first areas.
struct LargeFrame {
    LargeFrame()
    {
        project.makeGame();
        AtomicFile::write(ProjectFiles::frameFile(QStringLiteral("Cellar")), "0\r\n\"8421504\"\r\n");
        AtomicFile::write(ProjectFiles::linksFile(QStringLiteral("Cellar")), "50\r\n");
        for (int n = 1; n <= 50; ++n) {
            AreaProperties area;
            area.left = 300.0f * (n % 10);
            area.top = 300.0f * (n / 10);
            area.width = area.height = 285;
            area.actions.showMessage = true;
            area.actions.message = QStringLiteral("Area %1 of the cellar.").arg(n);
            area.pickable = n % 2 == 0;
            area.objectName = QStringLiteral("Thing %1").arg(n);
            AreaPropertiesFiles::save(QStringLiteral("Cellar"), n, area);
        }
        for (int e = 1; e <= 20; ++e) {
            AreaActions event;
            event.disappear = true;
            AreaPropertiesFiles::saveEvent(QStringLiteral("Cellar"), e, QStringLiteral("Key"), event);
        }
    }
    TempProject project;
    ScriptedDialogs dialogs;
};

void BM_UndoTheRemovalOfAFrameWith50AreasAnd20Events(benchmark::State& state)
{
    LargeFrame frame;
    ProjectJournal journal(frame.project.path());
    for (auto _ : state) {
        state.PauseTiming();
        frame.dialogs.queueAnswer(Dialogs::OK);
        if (!FrameFiles::RemoveFrame(QStringLiteral("Cellar")))
            state.SkipWithError("the frame was not removed");
        state.ResumeTiming();
        if (!journal.undo())
            state.SkipWithError("the removal was not undone");
    }
}
BENCHMARK(BM_UndoTheRemovalOfAFrameWith50AreasAnd20Events)->Unit(benchmark::kMillisecond)->Iterations(30);

// The removal itself, with the journal keeping every removed file.
void BM_RemoveAFrameWith50AreasAnd20Events(benchmark::State& state)
{
    LargeFrame frame;
    ProjectJournal journal(frame.project.path());
    for (auto _ : state) {
        frame.dialogs.queueAnswer(Dialogs::OK);
        if (!FrameFiles::RemoveFrame(QStringLiteral("Cellar")))
            state.SkipWithError("the frame was not removed");
        state.PauseTiming();
        if (!journal.undo())
            state.SkipWithError("the removal was not undone");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveAFrameWith50AreasAnd20Events)->Unit(benchmark::kMillisecond)->Iterations(30);

// One area moved back and forth, as a drag writes it; with and without a
// journal recording each move as an action.
void writeOneArea(benchmark::State& state, bool journalled)
{
    LargeFrame frame;
    std::unique_ptr<ProjectJournal> journal;
    if (journalled)
        journal = std::make_unique<ProjectJournal>(frame.project.path());
    AreaProperties area;
    AreaPropertiesFiles::load(QStringLiteral("Cellar"), 7, area);
    int move = 0;
    for (auto _ : state) {
        area.left = float(15 * (++move % 2));
        JournalAction action(QStringLiteral("move area 7"));
        AreaPropertiesFiles::save(QStringLiteral("Cellar"), 7, area);
    }
}

void BM_MoveOneAreaWithoutAJournal(benchmark::State& state) { writeOneArea(state, false); }
void BM_MoveOneAreaInAJournalAction(benchmark::State& state) { writeOneArea(state, true); }
BENCHMARK(BM_MoveOneAreaWithoutAJournal)->Unit(benchmark::kMicrosecond)->Iterations(300);
BENCHMARK(BM_MoveOneAreaInAJournalAction)->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace
