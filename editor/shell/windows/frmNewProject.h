#pragma once

#include "editor/shell/windows/EditorPanel.h"

#include <QDialog>

#include <functional>

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
    // `mainWindow` is the window the dialog stands beside; `showPanel` asks
    // it for the panel to show afterwards.
    frmNewProject(QWidget* mainWindow, ShowPanelRequest showPanel);

    void Form_Load();
    void Drive1_Change();
    void Command3_Click();  // OK
    void Command4_Click();  // Cancel

    // Shows the project properties modally (replaced in tests).
    static void setPropertiesOpener(std::function<void(QWidget* mainWindow)> opener);

    QLineEdit* txtName = nullptr;
    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

    void reject() override;

private:
    QWidget* m_mainWindow;
    ShowPanelRequest m_showPanel;
};
