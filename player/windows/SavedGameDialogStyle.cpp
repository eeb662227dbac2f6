#include "player/windows/SavedGameDialogStyle.h"

#include "platform/DesktopScreen.h"

#include <QDialog>

namespace SavedGameDialogStyle {

void apply(QDialog* dialog)
{
    dialog->setStyleSheet(QStringLiteral(
        "QDialog { background: #f3e9cf; }"
        "QLabel { color: #3b2412; font-family: 'DejaVu Serif'; font-size: 13px; }"
        "QLineEdit, QListWidget { background: #fffaf0; color: #2a1a0c; border: 1px solid #8a6a3a;"
        "  border-radius: 3px; font-family: 'DejaVu Serif'; font-size: 13px; padding: 3px; }"
        "QListWidget::item:selected { background: #6b3a1a; color: #ffe9b0; }"
        "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8a522a, stop:1 #4a260e);"
        "  color: #ffe9b0; border: 1px solid #e8c060; border-radius: 5px; padding: 5px 14px;"
        "  font-family: 'DejaVu Serif'; font-weight: bold; min-width: 70px; }"
        "QPushButton:pressed { background: #4a260e; }"));
}

void centre(QDialog* dialog)
{
    const QSize screen = DesktopScreen::size();
    dialog->move((screen.width() - dialog->width()) / 2, (screen.height() - dialog->height()) / 2);
}

}  // namespace SavedGameDialogStyle
