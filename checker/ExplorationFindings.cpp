#include "checker/ExplorationFindings.h"

#include "checker/Exploration.h"
#include "checker/GameExplorer.h"
#include "checker/RelativePath.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/state/GameRecords.h"
#include "player/state/GameSession.h"

#include <QMap>

#include <algorithm>
#include <deque>

namespace {

using Kind = Finding::Kind;
using Part = ProjectFiles::AreaPart;

QString conditionText(const AreaPlacement& area)
{
    QStringList terms;
    for (const QString& name : area.MustBeZero)
        terms << name + QStringLiteral(" = 0");
    for (const QString& name : area.MustBeOne)
        terms << name + QStringLiteral(" = 1");
    return terms.join(QStringLiteral(", "));
}

}  // namespace

QList<Finding> ExplorationFindings::of(const Exploration& exploration)
{
    m_findings.clear();
    const QString start = ProjectRecord::current().StartingFrame;
    const QString general = RelativePath::of(ProjectFiles::general());
    if (!exploration.started) {
        m_findings.append({Kind::NoEnding, start, 0, general,
                           QStringLiteral("the game cannot start: its picture size is not one the game window can make"), {}});
        return m_findings;
    }
    if (!exploration.complete) {
        m_findings.append(
            {Kind::Unfinished, start, 0, general,
             QStringLiteral("the check stopped at its bound of %1 states (--max-states); %2 ending(s) and %3 frame(s) "
                            "were reached so far, and dead ends and what is never reached are not reported")
                 .arg(exploration.maxStates)
                 .arg(exploration.endings.size())
                 .arg(exploration.framesReached.size()),
             {}});
        return m_findings;
    }
    for (const Exploration::Ending& pick : exploration.repeatedPicks) {
        QStringList commands = way(exploration, pick.firstState);
        commands << pick.move.command();
        m_findings.append({Kind::RepeatedPick, pick.frame, pick.area,
                           RelativePath::of(ProjectFiles::areaFile(pick.frame, pick.area, Part::Pickable)),
                           QStringLiteral("every click puts '%1' into the inventory once more; states holding more than "
                                          "%2 of it were not explored")
                               .arg(pick.object)
                               .arg(GameExplorer::kMostCopies),
                           commands});
    }
    if (exploration.endings.isEmpty())
        m_findings.append({Kind::NoEnding, start, 0, general,
                           QStringLiteral("no reachable state lets the player run an action that stops the game"), {}});
    else
        deadEnds(exploration);
    neverReached(exploration);
    return m_findings;
}

QStringList ExplorationFindings::way(const Exploration& exploration, quint32 state) const
{
    QStringList commands{QStringLiteral("new")};
    GameSession game = m_explorer.newGame();
    for (const Move& move : exploration.wayTo(state)) {
        commands << move.command(game.durationTimer().interval);
        GameExplorer::apply(game, move);
    }
    return commands;
}

void ExplorationFindings::deadEnds(const Exploration& exploration)
{
    const size_t count = exploration.parent.size();
    // Back from every state where an ending can be run (or whose moves were
    // not all followed) along the moves: what is not reached is a dead end.
    const std::vector<quint32>& edgeStart = exploration.edgeStart;
    const std::deque<quint32>& edgeTo = exploration.edgeTo;
    std::vector<quint32> firstEdge(count + 1, 0);
    for (quint32 to : edgeTo)
        ++firstEdge[to + 1];
    for (size_t i = 0; i < count; ++i)
        firstEdge[i + 1] += firstEdge[i];
    std::vector<quint32> from(edgeTo.size());
    {
        std::vector<quint32> next(firstEdge.begin(), firstEdge.end() - 1);
        for (quint32 s = 0; s < count; ++s) {
            for (quint32 i = edgeStart[s]; i < edgeStart[s + 1]; ++i)
                from[next[edgeTo[i]]++] = s;
        }
    }
    std::vector<bool> live(count, false);
    std::deque<quint32> queue;
    for (quint32 s = 0; s < count; ++s) {
        if (exploration.canEnd[s] || !exploration.expanded[s]) {
            live[s] = true;
            queue.push_back(s);
        }
    }
    while (!queue.empty()) {
        const quint32 s = queue.front();
        queue.pop_front();
        for (quint32 i = firstEdge[s]; i < firstEdge[s + 1]; ++i) {
            if (!live[from[i]]) {
                live[from[i]] = true;
                queue.push_back(from[i]);
            }
        }
    }

    // The moves from a live state into a dead one, each kept once per frame
    // and move, from the nearest state.
    std::vector<quint32> depth(count, 0);
    for (quint32 s = 1; s < count; ++s)
        depth[s] = depth[exploration.parent[s]] + 1;
    QMap<std::pair<quint16, quint32>, quint32> doors;  // (frame, move) -> state
    for (quint32 s = 0; s < count; ++s) {
        if (!live[s])
            continue;
        for (quint32 i = edgeStart[s]; i < edgeStart[s + 1]; ++i) {
            if (live[edgeTo[i]])
                continue;
            const std::pair<quint16, quint32> key{exploration.frame[s], exploration.edgeMove[i]};
            const auto found = doors.constFind(key);
            if (found == doors.constEnd() || depth[s] < depth[found.value()])
                doors.insert(key, s);
        }
    }

    struct Door {
        Finding finding;
        qsizetype length = 0;
    };
    QMap<QString, Door> named;  // by frame, area and object
    for (auto it = doors.constBegin(); it != doors.constEnd(); ++it) {
        const quint32 state = it.value();
        const Move move = Move::unpacked(it.key().second);
        const GameSession game = m_explorer.replay(exploration, state);
        const QString frame = game.frame().Name;
        QStringList commands = way(exploration, state);
        commands << move.command(game.durationTimer().interval);
        Finding finding{Kind::DeadEnd, frame, move.area, QString(), QString(), commands};
        QString object;
        switch (move.kind) {
        case Move::Kind::Click:
            finding.file = RelativePath::of(ProjectFiles::areaFile(frame, move.area, Part::Action));
            finding.message = QStringLiteral("clicking it can lead where no ending can be reached any more");
            break;
        case Move::Kind::Drop:
            object = game.inventory().at(move.icon - 1);
            finding.file = RelativePath::of(ProjectFiles::eventFile(frame, move.area, object));
            finding.message =
                QStringLiteral("dropping '%1' on it can lead where no ending can be reached any more").arg(object);
            break;
        case Move::Kind::Wait:
            finding.file = RelativePath::of(ProjectFiles::frameFile(frame));
            finding.message = QStringLiteral("the end of its duration can lead where no ending can be reached any more");
            break;
        }
        const QString key = frame.toLower() + QLatin1Char('/') + QString::number(int(move.kind)) + QLatin1Char('/')
                            + QString::number(move.area) + QLatin1Char('/') + object.toLower();
        const auto found = named.constFind(key);
        if (found == named.constEnd() || commands.size() < found.value().length)
            named.insert(key, {finding, commands.size()});
    }
    QList<Door> sorted = named.values();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Door& a, const Door& b) { return a.length < b.length; });
    for (const Door& door : sorted)
        m_findings.append(door.finding);
}

void ExplorationFindings::neverReached(const Exploration& exploration)
{
    QStringList objects = ProjectFiles::objects();
    QMap<QString, std::pair<QString, int>> offeredBy;  // object (lower case) -> (frame, area)

    for (const QString& frame : ProjectFiles::frames()) {
        const QString lower = frame.toLower();
        const int links = m_records.links(frame).read.complete ? m_records.links(frame).record.LinksCount : 0;
        for (int n = 1; n <= links; ++n) {
            const LoadedRecord<PickableRecord> pickable = m_records.pickable(frame, n);
            if (pickable.read.fields >= 2 && pickable.record.Pickable == 1) {
                const QString object = pickable.record.ObjectName;
                if (!offeredBy.contains(object.toLower()))
                    offeredBy.insert(object.toLower(), {frame, n});
                if (!objects.contains(object, Qt::CaseInsensitive))
                    objects << object;
            }
        }
        if (!exploration.framesReached.contains(lower)) {
            m_findings.append({Kind::FrameNeverReached, frame, 0, RelativePath::of(ProjectFiles::frameFile(frame)),
                               QStringLiteral("no reachable state shows this frame"), {}});
            continue;
        }
        for (int n = 1; n <= links; ++n) {
            const QString areaFile = RelativePath::of(ProjectFiles::areaFile(frame, n, Part::Placement));
            const LoadedRecord<AreaPlacement> condition = m_records.condition(frame, n);
            const bool shown = exploration.areasShown.contains({lower, n});
            if (condition.read.complete && condition.record.Conditional != 0
                && !exploration.conditionsHeld.contains({lower, n})) {
                m_findings.append({Kind::ConditionNeverHolds, frame, n, areaFile,
                                   QStringLiteral("its condition (%1) never holds while the frame is on screen")
                                       .arg(conditionText(condition.record)),
                                   {}});
            } else if (!shown) {
                m_findings.append({Kind::AreaNeverShown, frame, n, areaFile,
                                   QStringLiteral("no reachable state shows this area"), {}});
            }
            if (!shown)
                continue;
            for (const QString& object : ProjectFiles::eventFilesOf(frame, n)) {
                if (exploration.heldWhileShown.contains(Exploration::heldKey(frame, n, object)))
                    continue;
                m_findings.append({Kind::EventNeverRun, frame, n,
                                   RelativePath::of(ProjectFiles::eventFile(frame, n, object)),
                                   QStringLiteral("'%1' is never held while this area is visible, so its event never runs")
                                       .arg(object),
                                   {}});
            }
        }
    }

    for (const QString& object : objects) {
        if (exploration.objectsHeld.contains(object.toLower()))
            continue;
        const auto offered = offeredBy.value(object.toLower(), {QString(), 0});
        m_findings.append({Kind::ObjectNeverPicked, offered.first, offered.second,
                           RelativePath::of(ProjectFiles::objectFile(object)),
                           QStringLiteral("'%1' is never picked up").arg(object), {}});
    }
}
