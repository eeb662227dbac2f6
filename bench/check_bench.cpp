// The game checker on the demo game, and on a generated game of 200 frames,
// 20 variables and 10 objects: every reachable state explored and every
// file the game names read.
#include "checker/GameChecker.h"
#include "support/GameFiles.h"
#include "support/TempProject.h"

#include <benchmark/benchmark.h>

namespace {

QString frameName(int i) { return QStringLiteral("F%1").arg(i, 3, 10, QLatin1Char('0')); }
QString variable(int j) { return QStringLiteral("V%1").arg(j, 2, 10, QLatin1Char('0')); }
QString object(int k) { return QStringLiteral("O%1").arg(k); }

GameFiles::Area conditional(const QStringList& mustBeOne)
{
    GameFiles::Area area;
    area.conditional = mustBeOne.isEmpty() ? 0 : 1;
    area.mustBeOne = mustBeOne;
    return area;
}

GameFiles::Action goTo(const QString& frame)
{
    GameFiles::Action action;
    action.goToFrame = 1;
    action.target = frame;
    return action;
}

GameFiles::Action setVariable(const QString& name, bool invert = false)
{
    GameFiles::Action action;
    action.changeVariable = 1;
    action.variable = name;
    action.setToOne = !invert;
    action.invert = invert;
    return action;
}

// A ring of 200 frames, each with a way forward and back and a switch of
// one of two free variables (V18, V19). Object k lies in frame 20k + 5 once
// V(k-1) is 1; dropping it in frame 20k + 15 sets V(k). With V(k) at 1 for
// k < 4, frame 20k + 10 lets V(10 + k) be set too. The game ends in frame
// 199 once V09 is 1.
void writeGeneratedGame(const TempProject& project)
{
    project.makeGame(QStringLiteral("Generated"), 640, 480, frameName(0));
    QStringList variables;
    for (int j = 0; j < 20; ++j)
        variables << variable(j);
    GameFiles::writeVariables(project, variables);
    GameFiles::writePicture(project, QStringLiteral("Areas/object.ico"), QSize(16, 16));
    for (int i = 0; i < 200; ++i) {
        const QString name = frameName(i);
        GameFiles::Frame frame;
        frame.links = 5;
        GameFiles::writeFrame(project, name, frame);
        GameFiles::writeArea(project, name, 1, {});
        GameFiles::writeAction(project, name, 1, goTo(frameName((i + 1) % 200)));
        GameFiles::writeArea(project, name, 2, {});
        GameFiles::writeAction(project, name, 2, goTo(frameName((i + 199) % 200)));
        GameFiles::writeArea(project, name, 3, {});
        GameFiles::writeAction(project, name, 3, setVariable(variable(18 + i % 2), true));
        const int k = i / 20;
        GameFiles::Action message;
        message.showMessage = 1;
        message.message = QStringLiteral("Nothing here.");
        if (i % 20 == 5) {
            GameFiles::writeArea(project, name, 4, conditional(k > 0 ? QStringList{variable(k - 1)} : QStringList()));
            GameFiles::Action pick;
            pick.disappear = 1;
            GameFiles::writeAction(project, name, 4, pick);
            GameFiles::writePickable(project, name, 4, object(k), QStringLiteral("object.ico"));
            GameFiles::writeObject(project, object(k), QStringLiteral("object.ico"));
        } else if (i % 20 == 10 && k < 4) {
            GameFiles::writeArea(project, name, 4, conditional({variable(k)}));
            GameFiles::writeAction(project, name, 4, setVariable(variable(10 + k)));
        } else {
            GameFiles::writeArea(project, name, 4, {});
            GameFiles::writeAction(project, name, 4, message);
        }
        if (i % 20 == 15) {
            GameFiles::Action use = setVariable(variable(k));
            use.disappear = 1;  // the object leaves the inventory
            GameFiles::writeEvent(project, name, 5, object(k), use);
        }
        if (i == 199) {
            GameFiles::writeArea(project, name, 5, conditional({variable(9)}));
            GameFiles::Action stop;
            stop.stopGame = 1;
            GameFiles::writeAction(project, name, 5, stop);
        } else {
            GameFiles::writeArea(project, name, 5, {});
            GameFiles::writeAction(project, name, 5, message);
        }
    }
}

void BM_CheckTheDemo(benchmark::State& state)
{
    for (auto _ : state) {
        const std::optional<CheckReport> report = GameChecker::check(QStringLiteral(QUENDARA_SOURCE_DIR "/demo"));
        if (!report || !report->findings.isEmpty()) {
            state.SkipWithError("the demo does not check clean");
            return;
        }
        state.counters["states"] = double(report->states);
    }
}
// The target is at most 100 ms.
BENCHMARK(BM_CheckTheDemo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_CheckAGeneratedGame(benchmark::State& state)
{
    TempProject project;
    writeGeneratedGame(project);
    qint64 states = 0;
    for (auto _ : state) {
        const std::optional<CheckReport> report = GameChecker::check(project.path());
        if (!report || !report->complete || report->endings.isEmpty()) {
            state.SkipWithError("the generated game does not check to its end");
            return;
        }
        states = report->states;
        benchmark::DoNotOptimize(report->findings.size());
    }
    state.counters["states"] = double(states);
    state.counters["states_per_second"] =
        benchmark::Counter(double(states) * double(state.iterations()), benchmark::Counter::kIsRate);
}
// The target is at most 10 s.
BENCHMARK(BM_CheckAGeneratedGame)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
