#include "checker/Move.h"

QString Move::command(int waitMs) const
{
    switch (kind) {
    case Kind::Click:
        return QStringLiteral("click %1").arg(area);
    case Kind::Drop:
        return QStringLiteral("drag %1 %2").arg(icon).arg(area);
    case Kind::Wait:
        break;
    }
    // Half a second more than the duration, so that the duration has ended
    // by the end of the wait in a game whose timer runs in real time, and no
    // duration of the next frame (a second at least) has.
    return QStringLiteral("wait %1").arg(double(waitMs + 500) / 1000.0);
}
