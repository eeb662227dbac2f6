// An action file <n>b.dat, run as a click, and the same bytes as an event
// file <n>_<object>.drg, run as a drop. The effects are recorded; the sound
// and the next frame they name must stay inside the game folder.

#include "fuzz/support/FuzzProject.h"
#include "player/ActionRunner.h"
#include "player/AreaFile.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "action: %s\n", what);
        std::abort();
    }
}

class Recorder final : public ActionEffects {
public:
    void changeVariable(const QString&, qint16 newValue) override
    {
        require(newValue == 0 || newValue == 1 || newValue == -1, "a variable change other than 0, 1 or invert");
        ++effects;
    }
    void showMessage(const QString&) override { ++effects; }
    void playSound(const QString& file) override
    {
        require(file.isEmpty() || file.startsWith(ProjectPaths::AreasPath), "a sound outside the Areas folder");
        ++effects;
    }
    void removePickedObject(qint16 objectIndex) override
    {
        require(objectIndex != 0, "a click removed an inventory object");
        ++effects;
    }
    void disappear(qint16) override { ++effects; }
    void openFrame(const QString& name) override
    {
        ++frames;
        // What the game window does with the name.
        LoadFrameFile(name);
    }

    int effects = 0;
    int frames = 0;
};

void check(const ActionOutcome& outcome, const Recorder& recorder)
{
    require(outcome.result >= ActionOutcome::Nothing && outcome.result <= ActionOutcome::FrameOpened, "an unknown result");
    require(!outcome.failed || outcome.result == ActionOutcome::Nothing, "a failed record kept a result");
    require((outcome.result == ActionOutcome::FrameOpened) == (recorder.frames == 1), "a frame change without its result");
    require(recorder.frames <= 1, "more than one frame change");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString click = AreaFile::path(QStringLiteral("Hall"), 1, QStringLiteral("b.dat"));
    const QString drop = AreaFile::path(QStringLiteral("Hall"), 1, QStringLiteral("_Key.drg"));
    FuzzProject::write(click.mid(ProjectPaths::ProjectPath.size()), bytes);
    FuzzProject::write(drop.mid(ProjectPaths::ProjectPath.size()), bytes);

    FuzzProject::Guard guard;
    Recorder onClick;
    check(ActionRunner::run(click, 1, 0, onClick), onClick);
    Recorder onDrop;
    const ActionOutcome dropped = ActionRunner::run(drop, 1, 1, onDrop);
    check(dropped, onDrop);
    return 0;
}
