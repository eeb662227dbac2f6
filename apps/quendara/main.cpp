#include "editor/shell/windows/AccessibleToggles.h"
#include "editor/shell/windows/ControlDescriptions.h"
#include "editor/shell/windows/EditorWindows.h"
#include "editor/shell/windows/frmMenu.h"
#include "player/DisplayOptions.h"

#include <QApplication>

// The editor takes no arguments; what it ships with lies beside it.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendara"));
    // Closing the main window ends the editor, even while a game it runs or
    // another of its windows is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    ControlDescriptions::install();
    AccessibleToggles::install();
    // A game run from the editor is drawn as its players will see it.
    DisplayOptions::current().scale = DisplayOptions::kAuto;
    auto* menu = new frmMenu;
    new EditorWindows(menu);
    if (!menu->Form_Load(QCoreApplication::applicationDirPath()))
        return 0;
    menu->show();
    return QApplication::exec();
}
