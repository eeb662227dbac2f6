#include "tools/Compil32/Makeself.h"

#include <QProcess>
#include <QStandardPaths>

namespace Makeself {

QString program()
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("makeself"));
    return found.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("makeself.sh")) : found;
}

bool pack(const QString& folder, const QString& archive, const QString& label, const QString& startup, QString* error)
{
    const QString makeself = program();
    if (makeself.isEmpty()) {
        if (error)
            *error = QStringLiteral("The program 'makeself' was not found. Install the package 'makeself'.");
        return false;
    }
    // The label is written into the archive's shell text between double
    // quotes: only plain characters go in.
    QString safeLabel;
    for (const QChar c : label)
        safeLabel += (c.isLetterOrNumber() && c.unicode() < 128) || QStringLiteral(" .-_").contains(c) ? c : QLatin1Char('_');
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // No terminal window of its own when started from a file manager:
    // the installer works in whatever shell runs it.
    process.start(makeself, {QStringLiteral("--quiet"), QStringLiteral("--nox11"), QStringLiteral("--sha256"),
                             QStringLiteral("--gzip"), QStringLiteral("--tar-quietly"), folder, archive, safeLabel, startup});
    if (!process.waitForFinished(10 * 60 * 1000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("makeself could not pack the installer: %1")
                         .arg(QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
}

}  // namespace Makeself
