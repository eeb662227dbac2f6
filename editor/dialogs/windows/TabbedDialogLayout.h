#pragma once

class QDialog;
class QPushButton;
class QTabWidget;

// The layout the property dialogs share: their tabs above, and "OK"
// (the default button) and "Cancel" at the bottom right.
struct TabbedDialogLayout {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;

    static TabbedDialogLayout apply(QDialog& dialog, QTabWidget* tabs);
};
