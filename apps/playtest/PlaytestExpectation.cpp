#include "apps/playtest/PlaytestExpectation.h"

namespace {

QString noGame(const PlaytestState& state)
{
    return state.welcome ? QStringLiteral("no game on screen (the welcome window is shown)")
                         : QStringLiteral("no game on screen");
}

QString listText(const QStringList& names)
{
    return names.isEmpty() ? QStringLiteral("an empty inventory") : QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

}  // namespace

QString PlaytestExpectation::quoted(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

std::optional<QString> PlaytestExpectation::check(const PlaytestCommand& c, const PlaytestState& state,
                                                  const std::optional<QString>& lastMessage)
{
    using Kind = PlaytestCommand::Kind;
    switch (c.kind) {
    case Kind::ExpectFrame:
        if (!state.gameShown)
            return QStringLiteral("expected frame '%1', found %2").arg(c.name, noGame(state));
        // Frame names are file names, and file names in a game do not
        // depend on letter case.
        if (state.frame.compare(c.name, Qt::CaseInsensitive) != 0)
            return QStringLiteral("expected frame '%1', found frame '%2'").arg(c.name, state.frame);
        return std::nullopt;

    case Kind::ExpectVar: {
        if (!state.gameShown)
            return QStringLiteral("expected variable '%1' = %2, found %3").arg(c.name).arg(c.value).arg(noGame(state));
        const int found = state.variable(c.name);
        if (found == c.value)
            return std::nullopt;
        return QStringLiteral("expected variable '%1' = %2, found %3%4")
            .arg(c.name)
            .arg(c.value)
            .arg(found)
            .arg(found == -1 ? QStringLiteral(" (no variable of that name)") : QString());
    }

    case Kind::ExpectInventory: {
        if (!state.gameShown)
            return QStringLiteral("expected %1, found %2").arg(listText(c.names), noGame(state));
        const QStringList found = state.inventoryNames();
        if (found == c.names)
            return std::nullopt;
        return QStringLiteral("expected %1, found %2").arg(listText(c.names), listText(found));
    }

    case Kind::ExpectVisible: {
        const QString wanted = c.shown ? QStringLiteral("visible") : QStringLiteral("hidden");
        if (!state.gameShown)
            return QStringLiteral("expected area %1 %2, found %3").arg(c.area).arg(wanted, noGame(state));
        const std::optional<PlaytestState::Area> area = state.area(c.area);
        if (!area)
            return QStringLiteral("expected area %1 %2, but frame '%3' has %4 area(s)")
                .arg(c.area)
                .arg(wanted, state.frame)
                .arg(state.areas.size());
        if (area->visible == c.shown)
            return std::nullopt;
        return QStringLiteral("expected area %1 of frame '%2' %3, found it %4")
            .arg(c.area)
            .arg(state.frame, wanted, area->visible ? QStringLiteral("visible") : QStringLiteral("hidden"));
    }

    case Kind::ExpectMessage:
        if (!lastMessage)
            return QStringLiteral("expected the message %1, but no message box has been shown").arg(quoted(c.name));
        if (*lastMessage == c.name)
            return std::nullopt;
        return QStringLiteral("expected the message %1, found %2").arg(quoted(c.name), quoted(*lastMessage));

    case Kind::ExpectWelcome:
        if (state.welcome && !state.gameShown)
            return std::nullopt;
        if (state.gameShown)
            return QStringLiteral("expected the welcome window, found the game on frame '%1'").arg(state.frame);
        return QStringLiteral("expected the welcome window, found no window shown");

    default:
        return std::nullopt;
    }
}
