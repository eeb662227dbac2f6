#pragma once

class QWidget;

// The editor's windows stand beside its main window: their left edge at the
// main window's right edge, their top at its top.
namespace SideWindow {

// Sizes `window` (in twips; larger when its controls need more room) and
// places it beside `mainWindow` when given.
void place(QWidget* window, QWidget* mainWindow, int widthTwips, int heightTwips);

}  // namespace SideWindow
