#pragma once

#include "platform/Dialogs.h"

// The dialogs a user sees: QMessageBox, QInputDialog, QFileDialog,
// QColorDialog, each modal over the active window.
class QtDialogs final : public Dialogs {
public:
    int messageBox(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& initial) override;
    QString openFile(const QString& title, const QString& folder, const QString& filter) override;
    std::optional<QColor> pickColour(const QColor& initial) override;
};
