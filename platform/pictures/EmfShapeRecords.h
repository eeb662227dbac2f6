#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/MetafilePlayback.h"

// The EMF records that draw lines and figures from lists of points
// (polygons, polylines, Béziers, PolyDraw, in 32 and 16-bit forms) and
// from boxes and radials (arcs, chords, pies, ArcTo).
class EmfShapeRecords {
public:
    explicit EmfShapeRecords(MetafilePlayback& playback) : p_(playback) {}

    // `type` is the 32-bit record's type; `small` says the points are 16-bit.
    void poly(uint32_t type, ByteReader& in, bool small);
    void polyPoly(uint32_t type, ByteReader& in, bool small);
    void polyDraw(ByteReader& in, bool small);
    void arc(uint32_t type, ByteReader& in);
    void angleArc(ByteReader& in);

private:
    bool counterclockwise() const { return (p_.dc.toDevice().determinant() > 0) != p_.dc.clockwise; }

    MetafilePlayback& p_;
};
