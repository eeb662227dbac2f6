#include "apps/quendara-check/CheckOptions.h"

CheckOptions::Parsed CheckOptions::parse(const QStringList& arguments, qint64 defaultMaxStates)
{
    Parsed parsed;
    CheckOptions& o = parsed.options;
    o.maxStates = defaultMaxStates;
    bool maxGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            o.help = true;
            return parsed;
        }
        if (argument == QLatin1String("--json")) {
            o.json = true;
            continue;
        }
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        if (name == QLatin1String("--walkthrough") || name == QLatin1String("--max-states")) {
            QString value;
            if (argument.contains(QLatin1Char('=')))
                value = argument.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.isEmpty()) {
                parsed.error = QStringLiteral("%1 needs a value").arg(name);
                return parsed;
            }
            if (name == QLatin1String("--walkthrough")) {
                if (!o.walkthrough.isEmpty()) {
                    parsed.error = QStringLiteral("--walkthrough is given twice");
                    return parsed;
                }
                o.walkthrough = value;
            } else {
                bool ok = false;
                const qint64 n = value.toLongLong(&ok);
                if (!ok || n < 1 || maxGiven) {
                    parsed.error = maxGiven ? QStringLiteral("--max-states is given twice")
                                            : QStringLiteral("--max-states needs a whole number from 1, not '%1'").arg(value);
                    return parsed;
                }
                o.maxStates = n;
                maxGiven = true;
            }
            continue;
        }
        if (argument.startsWith(QLatin1String("--"))) {
            parsed.error = QStringLiteral("unknown option '%1'").arg(argument);
            return parsed;
        }
        if (!o.project.isEmpty()) {
            parsed.error = QStringLiteral("only one project folder can be checked at a time");
            return parsed;
        }
        o.project = argument;
    }
    if (o.project.isEmpty())
        parsed.error = QStringLiteral("the project folder is required");
    return parsed;
}

QString CheckOptions::usage()
{
    return QStringLiteral(
        "Usage: quendara-check PROJECT_FOLDER [--json] [--walkthrough FILE] [--max-states N]\n"
        "Explores every state a player can reach in the game, from \"Start New Game\", and reports the endings,\n"
        "the dead ends, what can never be reached and the files the game names that are missing or unreadable.\n"
        "Exit status: 0 when nothing was found, 1 when something was, 2 when the project cannot be read.\n"
        "  --json              write the report as JSON\n"
        "  --walkthrough FILE  write the shortest way to an ending as a playtest script\n"
        "  --max-states N      explore at most N states (1000000 unless given)\n");
}
