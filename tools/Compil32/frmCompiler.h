#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The installer compiler's window: the script it will build (named by the
// per-user setting the editor writes, or chosen with "Browse"), "Start" to
// build Output/Setup.exe beside the script (the default button), a log of
// each step, and "Exit".
class frmCompiler : public QDialog {
    Q_OBJECT

public:
    frmCompiler();

    QString scriptFile() const { return m_script; }
    void setScriptFile(const QString& path);

    void Browse_Click();
    // Builds the installer; true when Output/Setup.exe was written.
    bool Start_Click();
    void Exit_Click();

    QLabel* lblScript = nullptr;
    QPlainTextEdit* txtLog = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdExit = nullptr;

private:
    QString m_script;
};
