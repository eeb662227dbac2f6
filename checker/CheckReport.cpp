#include "checker/CheckReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

QString CheckReport::text() const
{
    QString out;
    out += QStringLiteral("Game: %1\n").arg(adventureName);
    out += complete ? QStringLiteral("States explored: %1 (every reachable state)\n").arg(states)
                    : QStringLiteral("States explored: %1 (stopped at the bound; more states can be reached)\n").arg(states);
    out += QStringLiteral("Endings: %1\n").arg(endings.size());
    for (const Ending& e : endings) {
        const QString how = e.object.isEmpty() ? QStringLiteral("clicking it") : QStringLiteral("dropping '%1' on it").arg(e.object);
        out += QStringLiteral("  frame %1, area %2, %3: %4 stops the game, in %5 reachable state(s)\n")
                   .arg(e.frame)
                   .arg(e.area)
                   .arg(e.file, how)
                   .arg(e.states);
    }
    if (!walkthrough.isEmpty()) {
        const auto moves = std::count_if(walkthrough.begin(), walkthrough.end(), [](const QString& line) {
            return line != QLatin1String("new") && !line.startsWith(QLatin1String("expect "));
        });
        out += QStringLiteral("Shortest way to an ending: %1 move(s)\n").arg(moves);
    }
    out += QStringLiteral("Findings: %1\n").arg(findings.size());
    for (const Finding& f : findings)
        out += QStringLiteral("  ") + f.text() + QLatin1Char('\n');
    return out;
}

QByteArray CheckReport::json() const
{
    QJsonObject root;
    root[QStringLiteral("game")] = adventureName;
    root[QStringLiteral("states")] = double(states);
    root[QStringLiteral("complete")] = complete;
    QJsonArray endingList;
    for (const Ending& e : endings) {
        endingList.append(QJsonObject{{QStringLiteral("frame"), e.frame},
                                      {QStringLiteral("area"), e.area},
                                      {QStringLiteral("object"), e.object},
                                      {QStringLiteral("file"), e.file},
                                      {QStringLiteral("states"), double(e.states)}});
    }
    root[QStringLiteral("endings")] = endingList;
    QJsonArray findingList;
    for (const Finding& f : findings) {
        findingList.append(QJsonObject{{QStringLiteral("kind"), Finding::kindName(f.kind)},
                                       {QStringLiteral("frame"), f.frame},
                                       {QStringLiteral("area"), f.area},
                                       {QStringLiteral("file"), f.file},
                                       {QStringLiteral("message"), f.message},
                                       {QStringLiteral("way"), QJsonArray::fromStringList(f.way)},
                                       {QStringLiteral("text"), f.text()}});
    }
    root[QStringLiteral("findings")] = findingList;
    root[QStringLiteral("walkthrough")] = QJsonArray::fromStringList(walkthrough);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<CheckReport> CheckReport::fromJson(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    auto strings = [](const QJsonValue& value) {
        QStringList list;
        for (const QJsonValue& item : value.toArray())
            list << item.toString();
        return list;
    };
    CheckReport report;
    report.adventureName = root[QStringLiteral("game")].toString();
    report.states = qint64(root[QStringLiteral("states")].toDouble());
    report.complete = root[QStringLiteral("complete")].toBool();
    for (const QJsonValue& value : root[QStringLiteral("endings")].toArray()) {
        const QJsonObject e = value.toObject();
        report.endings.append({e[QStringLiteral("frame")].toString(), e[QStringLiteral("area")].toInt(),
                               e[QStringLiteral("object")].toString(), e[QStringLiteral("file")].toString(),
                               qint64(e[QStringLiteral("states")].toDouble())});
    }
    for (const QJsonValue& value : root[QStringLiteral("findings")].toArray()) {
        const QJsonObject f = value.toObject();
        Finding finding;
        const QString kind = f[QStringLiteral("kind")].toString();
        for (int k = 0; k <= int(Finding::Kind::UndeclaredVariable); ++k) {
            if (Finding::kindName(Finding::Kind(k)) == kind)
                finding.kind = Finding::Kind(k);
        }
        finding.frame = f[QStringLiteral("frame")].toString();
        finding.area = f[QStringLiteral("area")].toInt();
        finding.file = f[QStringLiteral("file")].toString();
        finding.message = f[QStringLiteral("message")].toString();
        finding.way = strings(f[QStringLiteral("way")]);
        report.findings.append(finding);
    }
    report.walkthrough = strings(root[QStringLiteral("walkthrough")]);
    return report;
}
