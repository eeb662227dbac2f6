#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/GdiShapes.h"

#include <QPointF>
#include <QRectF>

#include <cstdint>

// The record functions of a Windows metafile, and how its records store
// points and boxes: 16-bit values, parameters last first.
namespace WmfRecords {

enum Function : uint16_t {
    Eof = 0x0000, SaveDc = 0x001E, RealizePalette = 0x0035, SetPalEntries = 0x0037, CreatePalette = 0x00F7,
    SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104, SetPolyFillMode = 0x0106,
    SetTextCharExtra = 0x0108, RestoreDc = 0x0127, InvertRegion = 0x012A, PaintRegion = 0x012B,
    SelectClipRegion = 0x012C, SelectObject = 0x012D, SetTextAlign = 0x012E, DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0, CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201, SetTextColor = 0x0209, SetWindowOrg = 0x020B, SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D, SetViewportExt = 0x020E, OffsetWindowOrg = 0x020F, OffsetViewportOrg = 0x0211,
    LineTo = 0x0213, MoveTo = 0x0214, OffsetClipRgn = 0x0220, FillRegion = 0x0228, SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA, CreateFontIndirect = 0x02FB, CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324, Polyline = 0x0325, ScaleWindowExt = 0x0410, ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415, IntersectClipRect = 0x0416, Ellipse = 0x0418, FloodFill = 0x0419,
    Rectangle = 0x041B, SetPixel = 0x041F, FrameRegion = 0x0429, TextOut = 0x0521, PolyPolygon = 0x0538,
    ExtFloodFill = 0x0548, RoundRect = 0x061C, PatBlt = 0x061D, CreateRegion = 0x06FF, Arc = 0x0817,
    Pie = 0x081A, Chord = 0x0830, BitBlt = 0x0922, DibBitBlt = 0x0940, ExtTextOut = 0x0A32, StretchBlt = 0x0B23,
    DibStretchBlt = 0x0B41, SetDibToDev = 0x0D33, StretchDib = 0x0F43,
};

inline QPointF point(ByteReader& in)
{
    const double x = in.i16();
    const double y = in.i16();
    return {x, y};
}

// Parameters are stored last first: (y, x) pairs, (bottom, right, top, left) boxes.
inline QPointF pointYX(ByteReader& in)
{
    const double y = in.i16();
    const double x = in.i16();
    return {x, y};
}

inline QRectF boxBRTL(ByteReader& in)
{
    const double b = in.i16();
    const double r = in.i16();
    const double t = in.i16();
    const double l = in.i16();
    return GdiShapes::box(l, t, r, b);
}

}  // namespace WmfRecords
