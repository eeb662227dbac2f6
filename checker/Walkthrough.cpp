#include "checker/Walkthrough.h"

#include "checker/GameExplorer.h"
#include "player/records/AtomicFile.h"
#include "player/state/GameSession.h"

QStringList Walkthrough::script(GameExplorer& explorer, const QList<Move>& moves)
{
    QStringList lines{QStringLiteral("new")};
    GameSession game = explorer.newGame();
    lines << QStringLiteral("expect frame %1").arg(game.frame().Name);
    for (const Move& move : moves) {
        const QString frame = game.frame().Name;
        const QStringList inventory = game.inventory();
        lines << move.command(game.durationTimer().interval);
        GameExplorer::apply(game, move);
        if (game.stopped())
            break;
        if (game.frame().Name != frame)
            lines << QStringLiteral("expect frame %1").arg(game.frame().Name);
        if (game.inventory() != inventory)
            lines << QStringLiteral("expect inventory %1").arg(game.inventory().join(QLatin1Char(','))).trimmed();
    }
    lines << QStringLiteral("expect welcome");
    return lines;
}

bool Walkthrough::write(const QString& path, const QString& adventureName, const QStringList& lines, QString* error)
{
    QString text = QStringLiteral("# %1: the shortest way from \"Start New Game\" to an ending, found by quendara-check.\n")
                       .arg(adventureName);
    text += lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return AtomicFile::write(path, text.toUtf8(), error);
}
