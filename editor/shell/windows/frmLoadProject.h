#pragma once

#include "editor/shell/windows/EditorPanel.h"

#include <QDialog>

class DriveList;
class FolderList;
class QPushButton;

// "Load project": the author picks a project folder; it opens when it holds
// a project this editor may edit.
class frmLoadProject : public QDialog {
    Q_OBJECT

public:
    explicit frmLoadProject(QWidget* mainWindow);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void CommandOK_Click();
    void Command4_Click();  // Cancel
    // Opens the project in `DirToLoad`, or tells the author why not. True
    // when it was opened.
    bool LoadProject(const QString& DirToLoad);

    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* Command4 = nullptr;

signals:
    // The main window's panel to show afterwards.
    void panelRequested(EditorPanel panel);

private:
    QWidget* m_mainWindow;
};
