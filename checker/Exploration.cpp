#include "checker/Exploration.h"

#include <algorithm>

QList<Move> Exploration::wayTo(quint32 state) const
{
    QList<Move> way;
    while (state != 0) {
        way.append(Move::unpacked(move[state]));
        state = parent[state];
    }
    std::reverse(way.begin(), way.end());
    return way;
}
