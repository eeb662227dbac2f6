#pragma once

#include "editor/shell/windows/EditorPanel.h"

#include <QDialog>

class DriveList;
class FolderList;
class QLineEdit;
class QPushButton;

// "New Project": a folder name and a location. OK hands over to the project
// properties, which create the project; cancelling those brings this dialog
// back, empty.
class frmNewProject : public QDialog {
    Q_OBJECT

public:
    // `mainWindow` is the window the dialog stands beside.
    explicit frmNewProject(QWidget* mainWindow);

    void Form_Load();
    void Drive1_Change();
    void Command3_Click();  // OK
    void Command4_Click();  // Cancel

    QLineEdit* txtName = nullptr;
    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

    void reject() override;

signals:
    // The main window's panel to show afterwards.
    void panelRequested(EditorPanel panel);
    // The project properties, shown modally while StatusText is
    // "CreateNewProject"; they clear it when the author cancels them.
    void newProjectPropertiesRequested();
};
