#include "checker/GameExplorer.h"

#include "player/AreaFile.h"
#include "player/GameGeometry.h"
#include "player/records/ProjectRecord.h"
#include "player/state/GameRecords.h"
#include "player/state/GameSession.h"

#include <deque>

GameSession GameExplorer::newGame()
{
    GameSession game(m_records, m_view);
    game.resetAll();
    // The game window refuses a picture area it cannot size.
    const ProjectRecord& record = ProjectRecord::current();
    if (!GameGeometry::pictureArea(QSize(), record.ScreenWidth, record.ScreenHeight)) {
        game.stop();
        return game;
    }
    game.startNewGame();
    return game;
}

QList<Move> GameExplorer::moves(const GameSession& session)
{
    QList<Move> moves;
    if (session.stopped())
        return moves;
    const QList<GameSession::Area>& areas = session.areas();
    const QString& frame = session.frame().Name;
    for (int n = 1; n <= areas.size(); ++n) {
        if (areas[n - 1].visible)
            moves.append(Move::click(n));
    }
    const QStringList& inventory = session.inventory();
    for (int k = 1; k <= inventory.size(); ++k) {
        for (int n = 1; n <= areas.size(); ++n) {
            // Without an event file a drop does nothing at all.
            if (areas[n - 1].visible && m_records.event(frame, n, inventory[k - 1]).read.opened)
                moves.append(Move::drop(k, n));
        }
    }
    const GameSession::DurationTimer& timer = session.durationTimer();
    if (timer.enabled && timer.interval > 0 && !session.frame().DurationTarget.isEmpty())
        moves.append(Move::wait());
    return moves;
}

void GameExplorer::apply(GameSession& session, const Move& move)
{
    switch (move.kind) {
    case Move::Kind::Click:
        session.click(move.area);
        break;
    case Move::Kind::Drop:
        session.startDrag(move.icon);
        session.drop(move.area);
        break;
    case Move::Kind::Wait:
        session.durationEnded();
        break;
    }
}

void GameExplorer::observe(const GameSession& session, Exploration& result)
{
    const FrameRecord& frame = session.frame();
    const QString name = frame.Name.toLower();
    result.framesReached.insert(name);
    QStringList held;
    for (const QString& object : session.inventory()) {
        const QString lower = object.toLower();
        if (!held.contains(lower))
            held.append(lower);
    }
    for (const QString& object : held)
        result.objectsHeld.insert(object);
    const QList<GameSession::Area>& areas = session.areas();
    for (int n = 1; n <= areas.size(); ++n) {
        if (!areas[n - 1].visible)
            continue;
        result.areasShown.insert({name, n});
        for (const QString& object : held)
            result.heldWhileShown.insert(Exploration::heldKey(name, n, object));
    }
    // A condition is judged on the variables alone, whether or not the area
    // has disappeared.
    static const VariablesCollection nothingGone;
    for (int n = 1; n <= frame.LinksCount; ++n) {
        if (result.conditionsHeld.contains({name, n}))
            continue;
        const LoadedRecord<AreaPlacement> file = m_records.condition(frame.Name, n);
        const std::optional<bool> holds =
            AreaFile::isVisible(file.record, file.read, frame.Name, n, nothingGone, session.variables());
        if (holds.value_or(false))
            result.conditionsHeld.insert({name, n});
    }
}

Exploration GameExplorer::explore(qint64 maxStates)
{
    Exploration result;
    result.maxStates = maxStates;
    GameSession start = newGame();
    if (start.stopped() || maxStates < 1)
        return result;
    result.started = true;

    QHash<QByteArray, quint32> seen;
    auto add = [&](const QByteArray& key, const GameSession& session, quint32 parent, quint32 move) {
        const quint32 id = quint32(result.parent.size());
        seen.insert(key, id);
        result.parent.push_back(parent);
        result.move.push_back(move);
        result.frame.push_back(m_keys.frameNumber(session.frame().Name));
        result.canEnd.push_back(false);
        result.expanded.push_back(false);
        return id;
    };
    QHash<QString, int> endingIndex;  // by frame, area and object

    std::deque<std::pair<quint32, GameSession>> queue;
    queue.emplace_back(add(m_keys.of(start), start, 0, 0), start);
    while (!queue.empty()) {
        const quint32 id = queue.front().first;
        const GameSession session = std::move(queue.front().second);
        queue.pop_front();
        observe(session, result);
        bool expanded = true;
        for (const Move& move : moves(session)) {
            GameSession next = session;
            apply(next, move);
            if (next.stopped()) {
                result.canEnd[id] = true;
                const QString object = move.kind == Move::Kind::Drop ? session.inventory().at(move.icon - 1) : QString();
                const QString key = session.frame().Name + QLatin1Char('/') + QString::number(move.area) + QLatin1Char('/') + object;
                auto found = endingIndex.find(key);
                if (found == endingIndex.end()) {
                    found = endingIndex.insert(key, int(result.endings.size()));
                    result.endings.append({session.frame().Name, move.area, object, 0, id, move});
                }
                ++result.endings[found.value()].states;
                continue;
            }
            const QByteArray key = m_keys.of(next);
            quint32 to = 0;
            if (const auto found = seen.constFind(key); found != seen.constEnd()) {
                to = found.value();
            } else if (qint64(result.parent.size()) < maxStates) {
                to = add(key, next, id, move.packed());
                queue.emplace_back(to, std::move(next));
            } else {
                result.complete = false;
                expanded = false;
                continue;
            }
            if (to != id)
                result.edges.push_back({id, to, move.packed()});
        }
        result.expanded[id] = expanded;
    }
    result.frames = m_keys.frameNames();
    return result;
}
