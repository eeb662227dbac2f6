#include "apps/playtest/PlaytestOptions.h"

#include "player/DisplayOptions.h"
#include "player/PlayerCommandLine.h"

PlaytestOptions::Parsed PlaytestOptions::parse(const QStringList& arguments)
{
    Parsed parsed;
    PlaytestOptions& o = parsed.options;
    QString scale;
    struct Valued {
        QLatin1String name;
        QString* target;
    };
    const Valued valued[] = {
        {QLatin1String("--project"), &o.project},
        {QLatin1String("--script"), &o.script},
        {QLatin1String("--log"), &o.log},
        {QLatin1String("--screenshots"), &o.screenshots},
        {QLatin1String("--scale"), &scale},
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        if (argument == QLatin1String("--visible")) {
            o.visible = true;
            continue;
        }
        if (argument == QLatin1String("--no-sound")) {
            o.noSound = true;
            continue;
        }
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        const Valued* option = nullptr;
        for (const Valued& v : valued) {
            if (name == v.name)
                option = &v;
        }
        if (!option) {
            parsed.error = QStringLiteral("unknown option '%1'").arg(argument);
            return parsed;
        }
        QString value;
        if (argument.contains(QLatin1Char('='))) {
            value = argument.section(QLatin1Char('='), 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = QStringLiteral("%1 needs a value").arg(name);
            return parsed;
        }
        if (value.isEmpty()) {
            parsed.error = QStringLiteral("%1 needs a value").arg(name);
            return parsed;
        }
        if (!option->target->isEmpty()) {
            parsed.error = QStringLiteral("%1 is given twice").arg(name);
            return parsed;
        }
        *option->target = value;
    }
    if (!scale.isEmpty()) {
        // The player's own reading of the value.
        const PlayerCommandLine line =
            PlayerCommandLine::parse({QStringLiteral("playtest"), QStringLiteral("--scale"), scale});
        if (!line.error.isEmpty()) {
            parsed.error = line.error;
            return parsed;
        }
        o.scale = line.display.scale;
    }
    if (o.help)
        return parsed;
    if (o.project.isEmpty())
        parsed.error = QStringLiteral("--project DIR is required");
    else if (o.script.isEmpty())
        parsed.error = QStringLiteral("--script FILE is required");
    return parsed;
}

QString PlaytestOptions::usage()
{
    return QStringLiteral(
        "Usage: playtest --project DIR --script FILE [--log FILE] [--screenshots DIR] [--visible] [--no-sound]\n"
        "       [--scale auto|N]\n"
        "Plays the game in DIR by the script in FILE.\n"
        "Exit status: 0 when every expectation held, 1 when a step failed, 2 when the script or the options are wrong.\n"
        "  --log FILE          write one JSON object per line: messages, frames, media commands, the state after each step\n"
        "  --screenshots DIR   folder for the script's screenshots\n"
        "  --visible           play in a real window instead of the offscreen platform\n"
        "  --no-sound          answer media commands without playing them (they are still logged)\n"
        "  --scale auto|N      draw the game N times its size, or as large as fits (default 1)\n");
}
