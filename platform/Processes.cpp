#include "platform/Processes.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

bool prepare(QProcess& process, const QString& commandLine, QString* error)
{
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty()) {
        if (error)
            *error = QStringLiteral("no program named");
        return false;
    }
    process.setProgram(parts.takeFirst());
    process.setArguments(parts);
    // The program's own output goes where ours goes: nothing is kept in
    // memory for a program that writes a lot.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    return true;
}

}  // namespace

namespace Processes {

bool start(const QString& commandLine, QString* error)
{
    QProcess process;
    if (!prepare(process, commandLine, error))
        return false;
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        if (error)
            *error = process.errorString();
        return false;
    }
    return true;
}

std::optional<int> startAndWait(const QString& commandLine, QString* error)
{
    QProcess process;
    if (!prepare(process, commandLine, error))
        return std::nullopt;
    process.start();
    if (!process.waitForStarted(-1)) {
        if (error)
            *error = process.errorString();
        return std::nullopt;
    }
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(100))
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (process.exitStatus() != QProcess::NormalExit) {
        if (error)
            *error = process.errorString();
        return std::nullopt;
    }
    return process.exitCode();
}

}  // namespace Processes
