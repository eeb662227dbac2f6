#include "fuzz/support/GameHarness.h"

#include "fuzz/support/FuzzProject.h"
#include "player/records/ProjectRecord.h"
#include "player/state/DiskGameRecords.h"
#include "player/state/GameSession.h"
#include "player/state/HeadlessGameView.h"

namespace GameHarness {

namespace {

struct Harness {
    Harness()
    {
        FuzzProject::folder();
        ProjectRecord& record = ProjectRecord::current();
        record.AdventureName = QStringLiteral("Fuzz");
        record.ScreenWidth = 640;
        record.ScreenHeight = 480;
    }
    HeadlessGameView view;
    GameSession session{DiskGameRecords::instance(), view};
};

Harness& harness()
{
    static Harness* h = new Harness;
    return *h;
}

}  // namespace

GameSession& newGame()
{
    // A game that an input stopped stays stopped: each input plays a new one.
    GameSession& session = harness().session;
    session = GameSession(DiskGameRecords::instance(), harness().view);
    session.resetAll();
    session.loadVariables();
    return session;
}

HeadlessGameView& view() { return harness().view; }

void settle() { harness().view.clear(); }

QString relative(const QString& path) { return path.mid(FuzzProject::folder().size()); }

}  // namespace GameHarness
