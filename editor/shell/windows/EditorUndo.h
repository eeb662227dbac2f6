#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class ProjectJournal;
class QLabel;
class QWidget;

// Undo and redo in the editor's windows: the open project's journal, the
// keys that step through it in every window they are given to, and the line
// at the foot of the main window that tells what an undo would take back.
// The journal lives while a project is open; a new project gets a new one.
class EditorUndo : public QObject {
    Q_OBJECT

public:
    // Shows its line in `mainWindow`, which grows by that line's height.
    explicit EditorUndo(QWidget* mainWindow);
    ~EditorUndo() override;

    // Ctrl+Z undoes; Ctrl+Shift+Z and Ctrl+Y redo; in `window` and its children.
    void attach(QWidget* window);
    // Starts a journal for the project now open, unless it has one already;
    // `open` false ends the journal, as closing the project does.
    void projectChanged(bool open);

    ProjectJournal* journal() const { return m_journal.get(); }
    QLabel* statusLine() const { return m_status; }
    bool undo();
    bool redo();

signals:
    // The project's files were put back: windows showing them show them again.
    void filesRestored();

private:
    void showHistory();
    void showLine(const QString& line);

    QWidget* m_mainWindow;
    QLabel* m_status;
    std::unique_ptr<ProjectJournal> m_journal;
};
