// Opening a busy frame and clicking one of its areas, on the offscreen
// platform with the media layer recording instead of playing.
#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/media/RecordingMci.h"
#include "player/windows/Game.h"
#include "player/records/ProjectRecord.h"
#include "support/GameFiles.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

using GameFiles::Action;
using GameFiles::Area;
using GameFiles::Frame;

// A frame with a 640 × 480 JPEG background and 50 areas with GIF pictures,
// half of them shown only while a variable is 1.
struct BusyGame {
    BusyGame()
    {
        DesktopScreen::setOverride(QSize(1024, 768));
        project.makeGame(QStringLiteral("Bench"), 640, 480, QStringLiteral("Busy"));
        GameFiles::writeVariables(project, {QStringLiteral("lamp"), QStringLiteral("door")});
        QImage background(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                background.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        background.save(project.path() + QStringLiteral("Frames/busy.jpg"), "JPEG", 85);
        Frame busy;
        busy.kind = 1;
        busy.background = QStringLiteral("busy.jpg");
        busy.links = 50;
        GameFiles::writeFrame(project, QStringLiteral("Busy"), busy);
        for (int n = 1; n <= 50; ++n) {
            const QString picture = QStringLiteral("thing%1.gif").arg(n);
            GameFiles::writePicture(project, QStringLiteral("Areas/") + picture, QSize(48, 48), QColor::fromHsv(n * 7, 200, 200));
            Area area;
            area.left = (n % 10) * 900;
            area.top = (n / 10) * 1200;
            area.transparent = false;
            area.picture = picture;
            area.conditional = n % 2;
            area.mustBeOne = {QStringLiteral("lamp")};
            GameFiles::writeArea(project, QStringLiteral("Busy"), n, area);
        }
        Action toggle;
        toggle.changeVariable = 1;
        toggle.variable = QStringLiteral("lamp");
        toggle.invert = true;
        GameFiles::writeAction(project, QStringLiteral("Busy"), 2, toggle);
        ProjectRecord::current().load(project.path() + QStringLiteral("Config/General"));
    }

    TempProject project;
    RecordingMci mci;
    ScriptedDialogs dialogs;
};

BusyGame& busyGame()
{
    static BusyGame game;
    return game;
}

void BM_OpenFrame(benchmark::State& state)
{
    busyGame();
    Game& game = Game::load();
    game.ResetAll();
    game.LoadVariables();
    for (auto _ : state) {
        game.OpenFrame(QStringLiteral("Busy"));
        // Removed areas are deleted on the next turn of the event loop.
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_AreaClickChangingAVariable(benchmark::State& state)
{
    busyGame();
    Game& game = Game::load();
    game.ResetAll();
    game.LoadVariables();
    game.OpenFrame(QStringLiteral("Busy"));
    for (auto _ : state)
        game.Area_Click(2);
}
BENCHMARK(BM_AreaClickChangingAVariable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
