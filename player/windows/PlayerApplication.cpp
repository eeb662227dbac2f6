#include "player/windows/PlayerApplication.h"

#include "platform/media/Mci.h"
#include "player/windows/PlayerWindows.h"
#include "player/windows/frmWelcome.h"

#include <QApplication>
#include <QTimer>

int PlayerApplication::run(const QString& programFolder)
{
    QApplication::setApplicationName(QStringLiteral("Quendara"));
    auto* welcome = new frmWelcome(programFolder);
    PlayerWindows windows(*welcome);
    welcome->Form_Load();
    welcome->show();
    // The General MIDI SoundFont takes a moment to load; loading it while the
    // player reads the welcome window keeps the first soundtrack prompt.
    QTimer::singleShot(100, [] { Mci::preloadMusic(); });
    return QApplication::exec();
}
