// The frame editor on a crowded frame: opening it in the canvas, and saving
// an area after a move (the area dialog's hidden load and save), on the
// offscreen platform.
#include "editor/dialogs/windows/frmAreaProperties.h"
#include "editor/shell/windows/frmMain.h"
#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "player/FrameRecord.h"
#include "player/ProcessState.h"
#include "player/records/ProjectRecord.h"
#include "support/GameFiles.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

constexpr int kAreas = 500;

// A 640 × 480 frame with 500 areas, each showing one of 50 GIF pictures,
// with an action and a condition like an author's areas.
struct CrowdedFrame {
    CrowdedFrame()
    {
        DesktopScreen::setOverride(QSize(1280, 1024));
        project.makeGame(QStringLiteral("Bench"), 640, 480, QStringLiteral("Hall"));
        GameFiles::writeVariables(project, {QStringLiteral("lamp")});
        GameFiles::Frame hall;
        hall.background = QStringLiteral("8421504");
        hall.links = kAreas;
        GameFiles::writeFrame(project, QStringLiteral("Hall"), hall);
        for (int p = 1; p <= 50; ++p)
            GameFiles::writePicture(project, QStringLiteral("Areas/thing%1.gif").arg(p), QSize(32, 32),
                                    QColor::fromHsv(p * 7, 200, 200));
        for (int n = 1; n <= kAreas; ++n) {
            GameFiles::Area area;
            area.left = (n % 20) * 480;
            area.top = (n / 20) * 270;
            area.width = 450;
            area.height = 255;
            area.transparent = false;
            area.picture = QStringLiteral("thing%1.gif").arg(n % 50 + 1);
            area.conditional = 1;
            area.mustBeOne = {QStringLiteral("lamp")};
            GameFiles::writeArea(project, QStringLiteral("Hall"), n, area);
            GameFiles::Action action;
            action.showMessage = 1;
            action.message = QStringLiteral("Thing %1.").arg(n);
            GameFiles::writeAction(project, QStringLiteral("Hall"), n, action);
        }
        ProjectRecord::current().load(project.path() + QStringLiteral("Config/General"));
        LoadFrameFile(QStringLiteral("Hall"));
    }
    TempProject project;
    ScriptedDialogs dialogs;
};

void BM_OpenAFrameOf500PictureAreasInTheCanvas(benchmark::State& state)
{
    CrowdedFrame frame;
    frmMain canvas;
    for (auto _ : state) {
        LoadFrameFile(QStringLiteral("Hall"));
        canvas.ChangeResolution();
        canvas.showBackground(FrameRecord::current());
        canvas.LoadEditorAreas();
    }
    state.counters["areas"] = kAreas;
}
BENCHMARK(BM_OpenAFrameOf500PictureAreasInTheCanvas)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SaveAnAreaAfterAMove(benchmark::State& state)
{
    CrowdedFrame frame;
    qreal left = 0;
    for (auto _ : state) {
        ProcessState::StatusText = QStringLiteral("250");
        frmAreaProperties dialog;
        if (dialog.LoadAreaProperties()) {
            dialog.setAreaRectangle(QRectF(left, 300, 450, 255));
            dialog.SaveAreaProperties();
        }
        ProcessState::StatusText = QStringLiteral("0");
        left = left == 0 ? 15 : 0;
    }
}
BENCHMARK(BM_SaveAnAreaAfterAMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
