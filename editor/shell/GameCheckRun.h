#pragma once

#include "checker/CheckReport.h"

#include <QObject>
#include <QProcess>
#include <QString>

// One check of the open project by the game checker program, quendara-check,
// which ships beside the editor. The check runs in its own process, so the
// editor stays responsive and its own project state is left alone; its
// report comes back as JSON.
class GameCheckRun : public QObject {
    Q_OBJECT

public:
    explicit GameCheckRun(QObject* parent = nullptr);

    // Beside the editor, or where the build puts it beside the editor's own
    // folder; empty when it is in neither place.
    static QString findProgram();
    void setProgram(const QString& program) { m_program = program; }

    // Starts checking the project in `folder`; a check under way is stopped.
    void start(const QString& folder);
    bool running() const { return m_process.state() != QProcess::NotRunning; }

signals:
    void finished(const CheckReport& report);
    // Why no report came: the program is missing or the project unreadable.
    void failed(const QString& why);

private:
    void processFinished(int exitCode, QProcess::ExitStatus status);

    QString m_program;
    QProcess m_process;
};
