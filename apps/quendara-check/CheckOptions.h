#pragma once

#include <QString>
#include <QStringList>

// The command line of quendara-check:
//   quendara-check PROJECT_FOLDER [--json] [--walkthrough FILE] [--max-states N]
struct CheckOptions {
    QString project;
    bool json = false;
    QString walkthrough;
    qint64 maxStates = 0;
    bool help = false;

    struct Parsed;
    static Parsed parse(const QStringList& arguments, qint64 defaultMaxStates);
    static QString usage();
};

struct CheckOptions::Parsed {
    CheckOptions options;
    QString error;  // empty when the command line is right
};
