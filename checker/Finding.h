#pragma once

#include <QString>
#include <QStringList>

// One thing a game check found wrong with a game, with the frame, the area
// and the file concerned (where there is one) and, for what a player runs
// into, the shortest way there as playtest commands.
struct Finding {
    enum class Kind {
        NoEnding,
        Unfinished,  // the bound on states was reached
        DeadEnd,
        RepeatedPick,
        FrameNeverReached,
        AreaNeverShown,
        ConditionNeverHolds,
        ObjectNeverPicked,
        EventNeverRun,
        MissingFile,
        UnreadableFile,
        UndeclaredVariable,  // the last kind
    };

    Kind kind = Kind::NoEnding;
    QString frame;
    int area = 0;
    QString file;  // relative to the project folder, with '/'
    QString message;
    QStringList way;

    // A short name of the kind ("dead end"), as reports show it.
    static QString kindName(Kind kind);
    // One line: kind, frame, area, file, message and the way.
    QString text() const;

    bool operator==(const Finding&) const = default;
};
