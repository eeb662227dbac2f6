#include "editor/shell/windows/SideWindow.h"

#include "player/Twips.h"

#include <QWidget>

namespace SideWindow {

void place(QWidget* window, QWidget* mainWindow, int widthTwips, int heightTwips)
{
    window->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    if (mainWindow) {
        const QRect frame = mainWindow->frameGeometry();
        window->move(frame.right() + 1, frame.top());
    }
}

}  // namespace SideWindow
