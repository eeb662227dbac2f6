#pragma once

#include "editor/shell/windows/EditorPanel.h"

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QMenu;
class QAction;

// "List of available frames": the project's frames beside the main window,
// as icons or as a list. Double-click opens a frame for editing; a label
// edited in place renames it; Delete or the right-button menu removes it;
// pictures dropped from the file manager become new frames.
class frmFrames : public QWidget {
    Q_OBJECT

public:
    explicit frmFrames(QWidget* parent = nullptr);

    // Places the window beside `mainWindow`, as high as it, and shows it.
    void ShowFramesWindow(QWidget* mainWindow);
    // Rebuilds the list from the Frames folder, as icons or as a list.
    void ListFrames(bool icons);
    // Rebuilds the list after the project's files were put back by an undo or
    // a redo: a frame that came back is selected, or else the frame that was.
    void ListRestoredFrames(bool icons);

    // The frame of the selected item; empty when the list is empty or nothing
    // is selected.
    QString selectedFrame() const;
    // The keyboard comes to the list, on the selected frame; when none is,
    // on the frame last edited, or the first.
    void takeKeyboard();

    // Handlers, named after the list's events.
    void LView_ItemClick();
    void LView_Click();
    void LView_DblClick();
    void LView_KeyDown(int key);
    void LView_BeforeLabelEdit(const QString& oldName);
    void LView_AfterLabelEdit(const QString& newName);
    void LView_OLEDragDrop(const QStringList& files);
    void mnuFrameEdit_Click();
    void mnuFrameProperties_Click();
    void mnuFrameRun_Click();
    void mnuFrameRemove_Click();

    QListWidget* LView = nullptr;
    QMenu* mnuFrameModify = nullptr;
    QAction* mnuFrameEdit = nullptr;
    QAction* mnuFrameProperties = nullptr;
    QAction* mnuFrameRun = nullptr;
    QAction* mnuFrameRemove = nullptr;
    QAction* mnuCancel = nullptr;

    qint16 clickCounter() const { return m_clicks; }

signals:
    // What the list asks of the editor.
    void editFrameRequested(const QString& frame);
    void framePropertiesRequested(const QString& frame);
    // The game played from this frame, to try it without playing up to it.
    void runFromFrameRequested(const QString& frame);
    void panelRequested(EditorPanel panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void removeSelected();
    void createdFrame();

    qint16 m_clicks = 0;
    bool m_icons = true;
    QString m_editedName;
};
