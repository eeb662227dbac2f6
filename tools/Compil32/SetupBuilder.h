#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct InnoScript;

// Turns an installer script into one self-installing program for this
// system: a shell script that unpacks the game into a folder of the
// player's choice (by default ~/Games/<AppName>), adds the game to the
// desktop's application menu, and leaves an uninstaller beside the game.
class SetupBuilder {
public:
    // Builds the installer from `script`; `log` receives a line for each step
    // and for each file or folder that could not be taken. False with the
    // reason in `error` when no installer could be made.
    bool build(const InnoScript& script, QByteArray& installer, QStringList& log, QString* error = nullptr);

    // The shell program in front of the packed files.
    static QByteArray header(const QString& appName, const QString& program, qint64 payloadOffset);
};
