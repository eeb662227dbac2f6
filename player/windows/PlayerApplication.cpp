#include "player/windows/PlayerApplication.h"

#include "platform/media/Mci.h"
#include "player/DisplayOptions.h"
#include "player/PlayerCommandLine.h"
#include "player/windows/PlayerWindows.h"
#include "player/windows/frmWelcome.h"

#include <QApplication>
#include <QTimer>

int PlayerApplication::run(const QString& programFolder, const PlayerCommandLine& commandLine)
{
    QApplication::setApplicationName(QStringLiteral("Quendara"));
    DisplayOptions::current() = commandLine.display;
    auto* welcome = new frmWelcome(programFolder);
    PlayerWindows windows(*welcome);
    welcome->Form_Load();
    // A game started at a frame shows its window at once; the welcome window
    // comes when that game ends, or when it could not start.
    if (commandLine.frame.isEmpty() || !welcome->StartAtFrame(commandLine.frame, commandLine.state))
        welcome->show();
    // The General MIDI SoundFont takes a moment to load; loading it while the
    // player reads the welcome window keeps the first soundtrack prompt.
    QTimer::singleShot(100, [] { Mci::preloadMusic(); });
    return QApplication::exec();
}
