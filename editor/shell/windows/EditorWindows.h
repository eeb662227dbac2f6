#pragma once

#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>

class GameCheckRun;
class frmCheckGame;
class EditorUndo;
class RecentProjectsList;
class frmFrames;
class frmMain;
class frmMenu;
class frmObjects;
class QDialog;
class WindowCycle;

// The one place where the editor's windows are wired together. Each window
// asks for other windows through its signals; this coordinator makes the
// windows beside the main window when first needed (the frames list, the
// objects list), opens the dialogs, and answers every request. The frame
// editing window and the area dialog will be made and answered here too.
//
// Each answer is a virtual function, so that a test can put its own in place
// of any of them while the rest stay real.
class EditorWindows : public QObject {
    Q_OBJECT

public:
    // Wires `menu`'s requests; the coordinator lives as long as the menu.
    explicit EditorWindows(frmMenu* menu);

    frmMenu* menu() const { return m_menu; }
    // The side windows, made (and wired) when first needed.
    frmFrames* framesWindow();
    frmObjects* objectsWindow();
    // The frame editing canvas, made (and wired) when first needed.
    frmMain* frameEditor();
    // The game checker's report window, made (and wired) when first needed.
    frmCheckGame* checkWindow();
    EditorUndo* undo() const { return m_undo; }
    // F6 and Shift+F6 between the main window and the open side windows.
    WindowCycle* windowCycle() const { return m_cycle; }

protected:
    virtual void showFramesWindow(bool shown);
    virtual void showFrameEditor(bool shown);
    virtual void showObjectsWindow(bool shown);
    virtual void rebuildFramesList(bool icons);
    virtual void editFrame(const QString& frame);
    virtual void openFrameProperties(const QString& frame);
    virtual void removeFrame(const QString& frame);
    virtual void openNewProject();
    virtual void openLoadProject();
    // A project of the recent projects list; one that has gone is dropped from it.
    virtual void openRecentProject(const QString& folder);
    virtual void openProjectProperties();
    // The properties of a project being created, over the new-project dialog.
    virtual void openNewProjectProperties();
    virtual void openDistributionBuilder();
    // Checks the open project and shows the report; a finding leads to its
    // frame, or to the properties of its area.
    virtual void openGameCheck();
    virtual void showCheckedArea(const QString& frame, int n);
    // The area dialog in its four uses by the frame editor, each with the
    // area number n in StatusText: the properties of area n; a new area n
    // just drawn at `twips` (false when the author cancelled it, StatusText
    // "cancel"); the hidden load and save of area n after a move, with its
    // new rectangle; the event of `object` dropped on area n.
    virtual void openAreaProperties(int n, const QRectF& twips);
    virtual bool openNewArea(int n, const QRectF& twips);
    virtual void saveAreaPosition(int n, const QRectF& twips);
    virtual void openObjectEvent(int n, const QString& object);
    // Shows a modal dialog and gives its result.
    virtual int runModal(QDialog& dialog);
    // Closing the main window ends the editor, with every window it opened.
    virtual void endProgram();
    // After an undo or a redo: every open window shows the files as they are.
    virtual void showRestoredFiles();

private:
    frmMenu* m_menu;
    QPointer<frmFrames> m_frames;
    QPointer<frmObjects> m_objects;
    QPointer<frmMain> m_canvas;
    QPointer<frmCheckGame> m_check;
    GameCheckRun* m_checkRun = nullptr;
    EditorUndo* m_undo;
    WindowCycle* m_cycle;
    RecentProjectsList* m_recent;

    void rememberOpenProject();
};
