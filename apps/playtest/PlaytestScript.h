#pragma once

#include "apps/playtest/PlaytestCommand.h"

#include <QList>
#include <QString>

// A playtest script: one command per line; blank lines and lines starting
// with '#' are ignored. Parsing checks every line before anything is played,
// so a mistake late in a script is reported before the game starts.
class PlaytestScript {
public:
    struct Error {
        int line = 0;
        QString message;
    };

    static PlaytestScript parse(const QString& text);
    // Reads the file as UTF-8; a file that cannot be read gives one error on line 0.
    static PlaytestScript load(const QString& path);

    bool isValid() const { return m_errors.isEmpty(); }
    const QList<Error>& errors() const { return m_errors; }
    const QList<PlaytestCommand>& commands() const { return m_commands; }

    // The longest `wait`, in seconds.
    static constexpr int kMaxWaitSeconds = 3600;

private:
    void parseLine(int number, const QString& line);

    QList<PlaytestCommand> m_commands;
    QList<Error> m_errors;
};
