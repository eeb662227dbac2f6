#include "player/PlayerCommandLine.h"

#include <QCommandLineParser>

PlayerCommandLine PlayerCommandLine::parse(const QStringList& arguments)
{
    PlayerCommandLine result;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Drawing factor: auto or a whole number."),
                                   QStringLiteral("factor"));
    const QCommandLineOption sharp(QStringLiteral("sharp"), QStringLiteral("Keep enlarged pixels square and sharp."));
    const QCommandLineOption frame(QStringLiteral("frame"), QStringLiteral("Start the game at this frame."),
                                   QStringLiteral("name"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   QStringLiteral("With --frame: start with the state of this saved game."),
                                   QStringLiteral("savedgame"));
    parser.addOptions({scale, sharp, frame, state});
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return result;
    }
    if (parser.isSet(scale)) {
        const QString value = parser.value(scale).trimmed();
        if (value.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
            result.display.scale = DisplayOptions::kAuto;
        } else {
            bool ok = false;
            const int factor = value.toInt(&ok);
            if (!ok || factor < 1 || factor > kMaxScale) {
                result.error = QStringLiteral("--scale takes auto or a whole number from 1 to %1, not '%2'.")
                                   .arg(kMaxScale)
                                   .arg(value);
                return result;
            }
            result.display.scale = factor;
        }
    }
    result.display.sharp = parser.isSet(sharp);
    result.frame = parser.value(frame);
    result.state = parser.value(state);
    if (parser.isSet(frame) && result.frame.isEmpty()) {
        result.error = QStringLiteral("--frame needs the name of a frame.");
        return result;
    }
    if (parser.isSet(state) && !parser.isSet(frame)) {
        result.error = QStringLiteral("--state is used with --frame.");
        return result;
    }
    return result;
}
