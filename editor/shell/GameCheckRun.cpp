#include "editor/shell/GameCheckRun.h"

#include "editor/shell/EditorPaths.h"

#include <QFileInfo>

GameCheckRun::GameCheckRun(QObject* parent)
    : QObject(parent)
    , m_program(findProgram())
{
    connect(&m_process, &QProcess::finished, this, &GameCheckRun::processFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit failed(QStringLiteral("Unable to start the game checker '%1'.").arg(m_program));
    });
}

QString GameCheckRun::findProgram()
{
    const QString name = QStringLiteral("quendara-check");
    const QStringList places = {EditorPaths::ProgramPath + name,
                                EditorPaths::ProgramPath + QStringLiteral("../quendara-check/") + name};
    for (const QString& place : places) {
        if (QFileInfo(place).isExecutable())
            return QFileInfo(place).absoluteFilePath();
    }
    return QString();
}

void GameCheckRun::start(const QString& folder)
{
    if (running()) {
        m_process.kill();
        m_process.waitForFinished();
    }
    if (m_program.isEmpty()) {
        emit failed(QStringLiteral("Unable to find the game checker: quendara-check must be beside the editor."));
        return;
    }
    m_process.start(m_program, {folder, QStringLiteral("--json")});
}

void GameCheckRun::processFinished(int exitCode, QProcess::ExitStatus status)
{
    // 0: nothing found, 1: findings; anything else means no report.
    const QByteArray output = m_process.readAllStandardOutput();
    const std::optional<CheckReport> report =
        status == QProcess::NormalExit && (exitCode == 0 || exitCode == 1) ? CheckReport::fromJson(output) : std::nullopt;
    if (report) {
        emit finished(*report);
        return;
    }
    const QString why = QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
    emit failed(QStringLiteral("Unable to check the game.") + (why.isEmpty() ? QString() : QLatin1Char('\n') + why));
}
