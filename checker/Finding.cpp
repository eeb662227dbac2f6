#include "checker/Finding.h"

QString Finding::kindName(Kind kind)
{
    switch (kind) {
    case Kind::NoEnding:
        return QStringLiteral("no ending");
    case Kind::Unfinished:
        return QStringLiteral("unfinished check");
    case Kind::DeadEnd:
        return QStringLiteral("dead end");
    case Kind::RepeatedPick:
        return QStringLiteral("endless pick");
    case Kind::FrameNeverReached:
        return QStringLiteral("frame never reached");
    case Kind::AreaNeverShown:
        return QStringLiteral("area never visible");
    case Kind::ConditionNeverHolds:
        return QStringLiteral("condition never holds");
    case Kind::ObjectNeverPicked:
        return QStringLiteral("object never picked up");
    case Kind::EventNeverRun:
        return QStringLiteral("event never possible");
    case Kind::MissingFile:
        return QStringLiteral("missing file");
    case Kind::UnreadableFile:
        return QStringLiteral("unreadable file");
    case Kind::UndeclaredVariable:
        return QStringLiteral("undeclared variable");
    }
    return QString();
}

QString Finding::text() const
{
    QStringList where;
    if (!frame.isEmpty())
        where << QStringLiteral("frame %1").arg(frame);
    if (area > 0)
        where << QStringLiteral("area %1").arg(area);
    if (!file.isEmpty())
        where << file;
    QString line = kindName(kind) + QStringLiteral(": ");
    if (!where.isEmpty())
        line += where.join(QStringLiteral(", ")) + QStringLiteral(": ");
    line += message;
    if (!way.isEmpty())
        line += QStringLiteral(" (shortest way: %1)").arg(way.join(QStringLiteral(", ")));
    return line;
}
