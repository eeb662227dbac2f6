#include "checker/StateKeys.h"

#include "player/state/GameSession.h"

#include <algorithm>
#include <vector>

namespace {

void put16(QByteArray& key, quint16 value)
{
    key.append(char(value & 0xff));
    key.append(char(value >> 8));
}

// Flags packed eight to a byte, after their count.
template <typename Flag>
void putBits(QByteArray& key, qsizetype count, Flag flag)
{
    put16(key, quint16(count));
    char byte = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (flag(i))
            byte = char(byte | (1 << (i % 8)));
        if (i % 8 == 7 || i == count - 1) {
            key.append(byte);
            byte = 0;
        }
    }
}

}  // namespace

quint16 StateKeys::number(QHash<QString, quint16>& numbers, QStringList& names, const QString& name)
{
    const auto found = numbers.constFind(name);
    if (found != numbers.constEnd())
        return found.value();
    const quint16 n = quint16(names.size());
    numbers.insert(name, n);
    names.append(name);
    return n;
}

QByteArray StateKeys::of(const GameSession& session)
{
    QByteArray key;
    key.reserve(32);
    put16(key, frameNumber(session.frame().Name));
    const GameSession::DurationTimer& timer = session.durationTimer();
    put16(key, quint16(timer.enabled ? timer.interval + 1 : 0));

    // A game's variables only ever hold 0 or 1: they start at 0, and actions
    // set, clear or invert them.
    std::vector<qint16> values;
    values.reserve(size_t(session.variables().Count()));
    for (const ClassVariable& variable : session.variables())
        values.push_back(variable.Value);
    putBits(key, qsizetype(values.size()), [&](qsizetype i) { return values[size_t(i)] != 0; });

    const QList<GameSession::Area>& areas = session.areas();
    putBits(key, areas.size(), [&](qsizetype i) { return areas[i].visible; });

    // An area that disappeared twice is as hidden as one that did once.
    std::vector<quint32> gone;
    gone.reserve(size_t(session.disappeared().Count()));
    for (const ClassVariable& entry : session.disappeared())
        gone.push_back(quint32(frameNumber(entry.Name)) << 16 | quint16(entry.Value));
    std::sort(gone.begin(), gone.end());
    gone.erase(std::unique(gone.begin(), gone.end()), gone.end());
    put16(key, quint16(gone.size()));
    for (quint32 entry : gone) {
        put16(key, quint16(entry >> 16));
        put16(key, quint16(entry & 0xffff));
    }

    // The inventory in order, as runs of one object: an object picked again
    // and again makes one run, not a long key.
    const QStringList& inventory = session.inventory();
    for (qsizetype i = 0; i < inventory.size();) {
        qsizetype end = i + 1;
        while (end < inventory.size() && inventory[end] == inventory[i])
            ++end;
        put16(key, objectNumber(inventory[i]));
        put16(key, quint16(end - i));
        i = end;
    }
    return key;
}
