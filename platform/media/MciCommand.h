#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// One command string taken apart. Keywords are matched without regard to
// case, as the Windows layer does; the file name, the alias and the type keep
// the case they were written in (aliases are compared case-insensitively by
// the layer). Parsing checks only the form of the command; whether the device
// exists or can do it is the layer's business.
struct MciCommand {
    enum class Verb { Open, Close, Play, Pause, Resume, Stop, Seek, Status };
    enum class SeekTarget { Position, Start, End };

    Verb verb = Verb::Open;
    // The file for "open", the alias or device name otherwise ("all" for a
    // "close all").
    QString target;
    bool wait = false;

    // open
    QString alias;
    QString type;
    std::optional<quint64> parentWindow;
    bool childStyle = false;

    // play
    std::optional<double> from;
    std::optional<double> to;

    // seek
    SeekTarget seekTarget = SeekTarget::Position;
    double position = 0;

    // status, in lower case: "mode", "length", "position", "ready"...
    QString item;

    // The command, or an error code (never 0) saying what is wrong with it.
    struct Result;
    static Result parse(const QString& text);
};

struct MciCommand::Result {
    int error = 0;
    MciCommand command;
};
