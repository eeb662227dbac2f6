#include "player/windows/PlayerApplication.h"

#include <QApplication>

// The player takes no arguments: the game is the folder that holds it.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return PlayerApplication::run(QCoreApplication::applicationDirPath());
}
