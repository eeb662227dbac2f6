#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QWidget;
class ScriptedDialogs;
class TempProject;

// Opens, one after the other and shown offscreen, every window of the editor,
// the player and the tools beside them: each panel of the editor's main
// window, each tab of the area dialog with every option ticked (so that
// every group of controls shows) and its pointers and variables panels. A
// small project is open; message boxes are recorded, not shown.
class EveryWindow {
public:
    using Visit = std::function<void(const QString& where, QWidget* window)>;

    EveryWindow();
    ~EveryWindow();

    void visit(const Visit& visit);
    // The open project's folder.
    QString projectFolder() const;

private:
    void editorMainWindow(const Visit& visit);
    void editorDialogs(const Visit& visit);
    void areaDialog(const Visit& visit);
    void playerWindows(const Visit& visit);
    void tools(const Visit& visit);

    std::unique_ptr<TempProject> m_project;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_program;
    QTemporaryDir m_settings;
};
