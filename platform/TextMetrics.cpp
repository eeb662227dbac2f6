#include "platform/TextMetrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace TextMetrics {

namespace {
std::optional<int> g_override;
bool g_overridden = false;
}  // namespace

std::optional<int> systemFontHeight()
{
    if (g_overridden)
        return g_override;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    // The system font is 16 pixels high at 96 logical DPI and grows with the
    // desktop's scale setting.
    const double dpi = screen->logicalDotsPerInchY();
    if (!(dpi > 0))
        return std::nullopt;
    return static_cast<int>(std::lround(16.0 * dpi / 96.0));
}

void setOverride(std::optional<int> height)
{
    g_overridden = height.has_value();
    g_override = height;
}

}  // namespace TextMetrics
