#include "checker/GameExplorer.h"

#include "player/AreaFile.h"
#include "player/GameGeometry.h"
#include "player/records/ProjectRecord.h"
#include "player/state/GameRecords.h"
#include "player/state/GameSession.h"

#include <deque>
#include <optional>

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
    QHash<QString, QList<int>> withEvents;  // object -> the shown areas with an event for it
    for (int k = 1; k <= inventory.size(); ++k) {
        auto found = withEvents.find(inventory[k - 1]);
        if (found == withEvents.end()) {
            QList<int> targets;
            for (int n = 1; n <= areas.size(); ++n) {
                // Without an event file a drop does nothing at all.
                if (areas[n - 1].visible && m_records.event(frame, n, inventory[k - 1]).read.opened)
                    targets.append(n);
            }
            found = withEvents.insert(inventory[k - 1], targets);
        }
        for (int n : found.value())
            moves.append(Move::drop(k, n));
    }
    const GameSession::DurationTimer& timer = session.durationTimer();
    if (timer.enabled && timer.interval > 0 && !session.frame().DurationTarget.isEmpty())
        moves.append(Move::wait());
    return moves;
}

GameSession GameExplorer::replay(const Exploration& exploration, quint32 state)
{
    GameSession game = newGame();
    for (const Move& move : exploration.wayTo(state))
        apply(game, move);
    return game;
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

void GameExplorer::observe(const GameSession& session, Seen& seen)
{
    const FrameRecord& frame = session.frame();
    const quint16 f = m_keys.frameNumber(frame.Name);
    seen.frames.insert(f);
    QList<quint16> held;
    for (const QString& object : session.inventory()) {
        const quint16 o = m_keys.objectNumber(object);
        if (!held.contains(o))
            held.append(o);
    }
    for (quint16 o : held)
        seen.objects.insert(o);
    const QList<GameSession::Area>& areas = session.areas();
    for (int n = 1; n <= areas.size(); ++n) {
        if (!areas[n - 1].visible)
            continue;
        seen.areasShown.insert(quint32(f) << 16 | quint16(n));
        for (quint16 o : held)
            seen.heldWhileShown.insert(quint64(f) << 32 | quint64(quint16(n)) << 16 | o);
    }
    // A condition is judged on the variables alone, whether or not the area
    // has disappeared.
    static const VariablesCollection nothingGone;
    for (int n = 1; n <= frame.LinksCount; ++n) {
        const quint32 area = quint32(f) << 16 | quint16(n);
        if (seen.conditionsHeld.contains(area))
            continue;
        const LoadedRecord<AreaPlacement> file = m_records.condition(frame.Name, n);
        const std::optional<bool> holds =
            AreaFile::isVisible(file.record, file.read, frame.Name, n, nothingGone, session.variables());
        if (holds.value_or(false))
            seen.conditionsHeld.insert(area);
    }
}

void GameExplorer::name(const Seen& seen, Exploration& result) const
{
    const QStringList& frames = m_keys.frameNames();
    const QStringList& objects = m_keys.objectNames();
    for (quint16 f : seen.frames)
        result.framesReached.insert(frames[f].toLower());
    for (quint32 area : seen.areasShown)
        result.areasShown.insert({frames[area >> 16].toLower(), int(area & 0xffff)});
    for (quint16 o : seen.objects)
        result.objectsHeld.insert(objects[o].toLower());
    for (quint64 held : seen.heldWhileShown)
        result.heldWhileShown.insert(
            Exploration::heldKey(frames[held >> 32], int((held >> 16) & 0xffff), objects[held & 0xffff]));
    for (quint32 area : seen.conditionsHeld)
        result.conditionsHeld.insert({frames[area >> 16].toLower(), int(area & 0xffff)});
}

namespace {

// Whether area `n`, clicked in `before`, can be clicked again in `after`.
bool stillShown(const GameSession& before, const GameSession& after, int n)
{
    return after.frame().Name == before.frame().Name && n <= after.areas().size() && after.areas()[n - 1].visible;
}

}  // namespace

Exploration GameExplorer::explore(qint64 maxStates)
{
    Exploration result;
    result.maxStates = maxStates;
    GameSession start = newGame();
    if (start.stopped() || maxStates < 1)
        return result;
    result.started = true;

    QHash<QByteArray, quint32> known;
    Seen shown;
    auto add = [&](const QByteArray& key, const GameSession& session, quint32 parent, quint32 move) {
        const quint32 id = quint32(result.parent.size());
        known.insert(key, id);
        result.parent.push_back(parent);
        result.move.push_back(move);
        result.frame.push_back(m_keys.frameNumber(session.frame().Name));
        result.canEnd.push_back(false);
        result.expanded.push_back(false);
        return id;
    };
    QHash<QString, int> endingIndex;  // by frame, area and object
    QSet<QString> repeatedIndex;      // by frame and area

    // States wait in the queue with their session, or, past a number of
    // them, as their number alone: their session is then played again from a
    // new game along the way to it, which keeps memory bounded.
    std::deque<std::pair<quint32, std::optional<GameSession>>> queue;
    qint64 held = 1;
    queue.emplace_back(add(m_keys.of(start), start, 0, 0), start);
    while (!queue.empty()) {
        const quint32 id = queue.front().first;
        std::optional<GameSession> waiting = std::move(queue.front().second);
        queue.pop_front();
        if (waiting)
            --held;
        const GameSession session = waiting ? std::move(*waiting) : replay(result, id);
        result.edgeStart.push_back(quint32(result.edgeTo.size()));
        observe(session, shown);
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
            if (move.kind == Move::Kind::Click && next.objectsCount() > session.objectsCount()
                && stillShown(session, next, move.area)
                && next.inventory().count(next.inventory().constLast()) > kMostCopies) {
                // An area still shown after it gave its object gives it again
                // at every click: past a few copies the states go on without
                // end, and are left unexplored.
                const QString object = next.inventory().constLast();
                const QString key = session.frame().Name + QLatin1Char('/') + QString::number(move.area);
                if (!repeatedIndex.contains(key)) {
                    repeatedIndex.insert(key);
                    result.repeatedPicks.append({session.frame().Name, move.area, object, 0, id, move});
                }
                expanded = false;
                continue;
            }
            const QByteArray key = m_keys.of(next);
            quint32 to = 0;
            if (const auto found = known.constFind(key); found != known.constEnd()) {
                to = found.value();
            } else if (qint64(result.parent.size()) < maxStates) {
                to = add(key, next, id, move.packed());
                if (held < kMostSessionsWaiting) {
                    ++held;
                    queue.emplace_back(to, std::move(next));
                } else {
                    queue.emplace_back(to, std::nullopt);
                }
            } else {
                result.complete = false;
                expanded = false;
                continue;
            }
            if (to != id) {
                result.edgeTo.push_back(to);
                result.edgeMove.push_back(move.packed());
            }
        }
        result.expanded[id] = expanded;
    }
    result.edgeStart.push_back(quint32(result.edgeTo.size()));
    result.frames = m_keys.frameNames();
    name(shown, result);
    return result;
}
