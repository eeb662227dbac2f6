#pragma once

#include <QString>
#include <QtGlobal>

// One thing a player does in a game: click a visible area, drop inventory
// object `icon` on one, or wait for the frame's duration to end. Packed into
// 32 bits, as a check keeps one for every state it reaches.
struct Move {
    enum class Kind : quint8 { Click, Drop, Wait };

    Kind kind = Kind::Click;
    qint16 area = 0;  // from 1; 0 for a wait
    qint16 icon = 0;  // drop: the inventory object, from 1

    static Move click(int area) { return {Kind::Click, qint16(area), 0}; }
    static Move drop(int icon, int area) { return {Kind::Drop, qint16(area), qint16(icon)}; }
    static Move wait() { return {Kind::Wait, 0, 0}; }

    quint32 packed() const { return quint32(kind) << 30 | quint32(quint16(icon) & 0x7fff) << 15 | quint32(quint16(area) & 0x7fff); }
    static Move unpacked(quint32 bits)
    {
        return {Kind(bits >> 30), qint16(bits & 0x7fff), qint16((bits >> 15) & 0x7fff)};
    }

    // The move as a line of a playtest script; a wait lasts `waitMs`.
    QString command(int waitMs = 0) const;

    bool operator==(const Move&) const = default;
};
