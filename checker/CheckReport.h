#pragma once

#include "checker/Finding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The result of checking a game: how far the check got, the endings a player
// can reach, the findings, and the shortest way to an ending.
struct CheckReport {
    struct Ending {
        QString frame;
        int area = 0;
        QString object;  // dropped to end the game; empty for a click
        QString file;
        qint64 states = 0;  // reachable states in which it can be run
    };

    QString adventureName;
    qint64 states = 0;
    bool complete = true;
    QList<Ending> endings;
    QList<Finding> findings;
    // From "new" to the end, as playtest commands; empty when no ending
    // can be reached.
    QStringList walkthrough;

    // The report as people read it, one finding a line.
    QString text() const;
    QByteArray json() const;
    // The report `json` wrote, or nothing when the bytes are not one.
    static std::optional<CheckReport> fromJson(const QByteArray& bytes);
};
