#pragma once

#include <QSize>

// The size of the screen the game window covers, in pixels. Tests and the
// headless player pin it so that geometry does not depend on the machine.
namespace DesktopScreen {

QSize size();
void setOverride(QSize size);  // an empty size returns to the real screen

}  // namespace DesktopScreen
