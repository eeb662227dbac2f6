// The editor on a large project, offscreen: loading a project of 1,000
// frames and showing its frames list as icons, opening the properties of
// one frame, and making a new frame from a 640 × 480 picture.
#include "editor/dialogs/windows/frmFrameProperties.h"
#include "editor/shell/Editor2.h"
#include "editor/shell/FrameFiles.h"
#include "editor/shell/windows/frmFrames.h"
#include "editor/shell/windows/frmLoadProject.h"
#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "support/GameFiles.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>

namespace {

constexpr int kFrames = 1000;

// 1,000 frames: every tenth a picture frame with its own 640 × 480 JPEG,
// the others solid colours, each with a soundtrack and a timer like an
// author's frames.
struct LargeProject {
    LargeProject()
    {
        DesktopScreen::setOverride(QSize(1280, 1024));
        project.makeGame(QStringLiteral("Bench"), 640, 480, QStringLiteral("Frame0001"));
        QImage picture(640, 480, QImage::Format_RGB32);
        for (int n = 1; n <= kFrames; ++n) {
            const QString name = QStringLiteral("Frame%1").arg(n, 4, 10, QLatin1Char('0'));
            GameFiles::Frame frame;
            if (n % 10 == 0) {
                picture.fill(QColor::fromHsv(n % 360, 180, 200));
                frame.kind = 1;
                frame.background = name + QStringLiteral(".jpg");
                picture.save(project.path() + QStringLiteral("Frames/%1.jpg").arg(name), "JPG");
            } else {
                frame.background = QString::number(n * 4099 % 16777216);
            }
            GameFiles::writeFrame(project, name, frame);
        }
        ProjectPaths::setProjectPath(project.path());
        ProjectRecord::current().load(project.path() + QStringLiteral("Config/General"));
        Editor2::SaveProjectChecksum();
        picture.fill(Qt::darkGreen);
        picture.save(outside.filePath(QStringLiteral("meadow.jpg")), "JPG");
    }
    TempProject project;
    QTemporaryDir outside;
    ScriptedDialogs dialogs;
};

LargeProject& large()
{
    static LargeProject project;
    return project;
}

void BM_LoadAProjectOf1000FramesAndShowTheFramesList(benchmark::State& state)
{
    LargeProject& project = large();
    frmLoadProject load(nullptr);
    frmFrames frames;
    for (auto _ : state) {
        if (!load.LoadProject(project.project.path()))
            state.SkipWithError("the project did not load");
        frames.ListFrames(true);
        frames.show();
        QCoreApplication::processEvents();
    }
    state.counters["frames"] = kFrames;
}
BENCHMARK(BM_LoadAProjectOf1000FramesAndShowTheFramesList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OpenTheFramePropertiesOfOneOf1000Frames(benchmark::State& state)
{
    LargeProject& project = large();
    ProjectPaths::setProjectPath(project.project.path());
    for (auto _ : state) {
        frmFrameProperties dialog;
        dialog.SetTab();
        dialog.LoadFrameProperties(QStringLiteral("Frame0500"));
        dialog.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenTheFramePropertiesOfOneOf1000Frames)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CreateAFrameFromA640x480Picture(benchmark::State& state)
{
    LargeProject& project = large();
    ProjectPaths::setProjectPath(project.project.path());
    const QString source = project.outside.filePath(QStringLiteral("meadow.jpg"));
    for (auto _ : state) {
        const QString name = FrameFiles::CreateFrame(FrameFiles::Picture, source, QStringLiteral("meadow.jpg"), false);
        state.PauseTiming();
        if (name.isEmpty())
            state.SkipWithError("no frame was made");
        QFile::remove(project.project.path() + QStringLiteral("Frames/") + name + QStringLiteral(".fme"));
        QFile::remove(project.project.path() + QStringLiteral("Frames/") + name + QStringLiteral(".lks"));
        QDir(project.project.path() + QStringLiteral("Areas/") + name).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateAFrameFromA640x480Picture)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
