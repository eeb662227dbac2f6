#include "player/PlayerCommandLine.h"
#include "player/windows/PlayerApplication.h"

#include <QApplication>

#include <cstdio>

// The game is the folder that holds the player; the arguments only say how
// to draw it and, for authors, where to start it.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const PlayerCommandLine commandLine = PlayerCommandLine::parse(QCoreApplication::arguments());
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "%s\nUsage: run [--scale auto|N] [--sharp] [--frame NAME [--state SAVEDGAME]]\n",
                     qPrintable(commandLine.error));
        return 2;
    }
    return PlayerApplication::run(QCoreApplication::applicationDirPath(), commandLine);
}
