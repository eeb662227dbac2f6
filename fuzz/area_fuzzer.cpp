// An area's placement file: its placement and its condition as
// the model reads them, then a game session opening a frame whose two areas
// both have this file (the second one has disappeared). The variables A = 0,
// B = 1 and C = 5 exist.

#include "fuzz/support/FuzzProject.h"
#include "fuzz/support/GameHarness.h"
#include "player/AreaFile.h"
#include "player/records/ProjectFiles.h"
#include "player/records/RecordSync.h"
#include "player/records/SavedGame.h"
#include "player/state/GameSession.h"

#include <cstdio>
#include <cstdlib>

namespace {

const QString kFrame = QStringLiteral("Hall");

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "area: %s\n", what);
        std::abort();
    }
}

QString areaFile(int n) { return GameHarness::relative(ProjectFiles::areaFile(kFrame, n, ProjectFiles::AreaPart::Placement)); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    // A picture and pointers that an area may name.
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/bmp1.bmp"), QStringLiteral("Areas/pic.bmp"));
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/arrow.cur"), QStringLiteral("Icons/hand.cur"));
    FuzzProject::copyFixture(QStringLiteral("tests/data/pictures/vista.ico"), QStringLiteral("Icons/look.ico"));
    FuzzProject::write(GameHarness::relative(ProjectFiles::frameFile(kFrame)),
                       "0\r\n\"0\"\r\n#FALSE#\r\n#FALSE#\r\n\"\"\r\n#FALSE#\r\n4\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::linksFile(kFrame)), "2\r\n");
    FuzzProject::write(GameHarness::relative(ProjectFiles::variables()), "3\r\n\"A\"\r\n\"B\"\r\n\"C\"\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FuzzProject::write(areaFile(1), bytes);
    FuzzProject::write(areaFile(2), bytes);
    {
        FuzzProject::Guard guard;
        GameSession& game = GameHarness::newGame();
        SavedGame state;
        state.variables = {{QStringLiteral("B"), 1}, {QStringLiteral("C"), 5}};
        state.disappeared = {{kFrame, 2}};
        game.restore(state);

        AreaPlacement placement;
        const RecordRead read = RecordFile::parse(bytes, placement);
        const int step = AreaFile::placementStep(read);
        require(step >= 0 && step <= 3 && (step == 3) == (read.fields >= AreaPlacement::PointerFields),
                "the placement step does not match the fields read");
        AreaCondition condition;
        const RecordRead conditionRead = RecordFile::parse(bytes, condition);
        require(conditionRead.fields >= read.fields, "passing over values read fewer of them than reading them");
        const std::optional<bool> gone =
            AreaFile::isVisible(condition.area, conditionRead, kFrame, 2, game.disappeared(), game.variables());
        require(gone == std::optional<bool>(false), "a disappeared area was not hidden");

        game.openFrame(kFrame);
        require(game.areas().size() <= 2, "more areas than the frame has");
        require(game.areas().size() < 2 || !game.areas()[1].visible, "a disappeared area was shown");
    }
    GameHarness::settle();
    return 0;
}
