#pragma once

#include <QString>
#include <QStringList>

// The command line of the scripted player.
struct PlaytestOptions {
    QString project;      // the game's folder
    QString script;       // the walkthrough to follow
    QString log;          // JSON lines are written here when set
    QString screenshots;  // folder for the `screenshot` command
    bool visible = false;  // a real window instead of the offscreen platform
    bool noSound = false;  // media commands are logged and answered, not played
    // The factor the game window is drawn at: the game's own size unless
    // told otherwise (0 for the largest that fits the screen).
    int scale = 1;
    bool help = false;

    struct Parsed;
    // Reads the arguments that follow the program name. "--name value" and
    // "--name=value" are both accepted.
    static Parsed parse(const QStringList& arguments);

    static QString usage();
};

struct PlaytestOptions::Parsed {
    PlaytestOptions options;
    QString error;  // empty when the arguments were fine
};
