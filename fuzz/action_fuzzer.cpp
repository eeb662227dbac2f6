// An area's action file, run as a click, and the same bytes as the event
// file of an object, run as a drop: first the runner alone with its
// effects recorded, then a game session clicking the area and dropping the
// object Key on it. The sound and the next frame they name must stay inside
// the game folder.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/ActionRunner.h"
#include "player/ProjectPaths.h"
#include "player/records/ActionRecord.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/state/GameSession.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kFrame = QStringLiteral("Hall");
const QString kObject = QStringLiteral("Key");

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
    void openFrame(const QString&) override { ++frames; }

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
    // The frame Hall with one area, the variable door, and the object Key.
    FuzzProject::write(GameHarness::relative(ProjectFiles::frameFile(kFrame)),
                       "0\r\n\"0\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::linksFile(kFrame)), "1\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::areaFile(kFrame, 1, ProjectFiles::AreaPart::Placement)),
                       "0\r\n0\r\n600\r\n450\r\n#TRUE#\r\n#FALSE#\r\n\"\"\r\n1\r\n\"\"\r\n0\r\n0\r\n0\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::variables()), "1\r\n\"door\"\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::objectFile(kObject)), "\"key.ico\"\r\n");
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Areas/key.ico"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FuzzProject::write(GameHarness::relative(ProjectFiles::areaFile(kFrame, 1, ProjectFiles::AreaPart::Action)), bytes);
    FuzzProject::write(GameHarness::relative(ProjectFiles::eventFile(kFrame, 1, kObject)), bytes);
    {
        FuzzProject::Guard guard;
        ActionRecord record;
        const RecordRead read = RecordFile::parse(bytes, record);
        Recorder onClick;
        check(ActionRunner::run(record, read, 1, 0, onClick), onClick);
        Recorder onDrop;
        check(ActionRunner::run(record, read, 1, 1, onDrop), onDrop);

        GameSession& game = GameHarness::newGame();
        game.addPickedObject(kObject);
        require(game.objectsCount() == 1, "the object Key cannot be picked");
        game.openFrame(kFrame);
        game.click(1);
        if (!game.stopped() && game.startDrag(1))
            game.drop(1);
        require(game.objectsCount() <= 1, "a click or a drop added an object");
        require(game.areas().size() <= std::max<qsizetype>(0, game.frame().LinksCount), "more areas than the frame has");
    }
    GameHarness::settle();
    return 0;
}
