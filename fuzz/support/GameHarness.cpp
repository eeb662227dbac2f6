#include "fuzz/support/GameHarness.h"

#include "fuzz/support/FuzzProject.h"
#include "platform/DesktopScreen.h"
#include "platform/ScriptedDialogs.h"
#include "platform/media/RecordingMci.h"
#include "player/windows/Game.h"
#include "player/records/ProjectRecord.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdlib>

namespace GameHarness {

namespace {
ScriptedDialogs* g_dialogs = nullptr;
RecordingMci* g_media = nullptr;
}  // namespace

Game& game()
{
    if (!g_dialogs) {
        FuzzProject::folder();
        g_dialogs = new ScriptedDialogs;
        g_dialogs->setUnqueued(ScriptedDialogs::Unqueued::FirstButton);
        g_media = new RecordingMci;
        DesktopScreen::setOverride(QSize(1024, 768));
        ProjectRecord& record = ProjectRecord::current();
        record.AdventureName = QStringLiteral("Fuzz");
        record.ScreenWidth = 640;
        record.ScreenHeight = 480;
        if (!Game::load().ResetAll())
            std::abort();
    }
    return Game::load();
}

void settle()
{
    if (g_dialogs)
        g_dialogs->clear();
    if (g_media)
        g_media->clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace GameHarness
