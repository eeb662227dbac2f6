#include "player/PlayerApplication.h"

#include "player/frmWelcome.h"

#include <QApplication>

int PlayerApplication::run(const QString& programFolder)
{
    QApplication::setApplicationName(QStringLiteral("Quendara"));
    auto* welcome = new frmWelcome(programFolder);
    welcome->Form_Load();
    welcome->show();
    return QApplication::exec();
}
