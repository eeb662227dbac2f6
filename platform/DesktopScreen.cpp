#include "platform/DesktopScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace DesktopScreen {

namespace {
QSize g_override;
}

QSize size()
{
    if (!g_override.isEmpty())
        return g_override;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return QSize(1024, 768);
}

void setOverride(QSize newSize) { g_override = newSize; }

}  // namespace DesktopScreen
