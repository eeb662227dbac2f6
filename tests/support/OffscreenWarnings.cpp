#include "support/OffscreenWarnings.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler g_previousHandler = nullptr;

void dropWindowWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()")
        && message != QLatin1String("This plugin does not support propagateSizeHints()")
        && message != QLatin1String("This plugin does not support grabbing the keyboard"))
        g_previousHandler(type, context, message);
}

}  // namespace

void ignoreOffscreenWindowWarnings()
{
    if (!g_previousHandler)
        g_previousHandler = qInstallMessageHandler(dropWindowWarnings);
}
