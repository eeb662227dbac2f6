#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/GdiShapes.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cmath>
#include <cstdint>

// The record types of an enhanced metafile, and how its records store
// points, boxes and transforms: 32-bit values (16-bit in the "16" records),
// in reading order.
namespace EmfRecords {

enum Type : uint32_t {
    Header = 1, PolyBezier = 2, Polygon = 3, Polyline = 4, PolyBezierTo = 5, PolylineTo = 6, PolyPolyline = 7,
    PolyPolygon = 8, SetWindowExtEx = 9, SetWindowOrgEx = 10, SetViewportExtEx = 11, SetViewportOrgEx = 12,
    Eof = 14, SetPixelV = 15, SetMapMode = 17, SetBkMode = 18, SetPolyFillMode = 19, SetRop2 = 20,
    SetTextAlign = 22, SetTextColor = 24, SetBkColor = 25, OffsetClipRgn = 26, MoveToEx = 27,
    ExcludeClipRect = 29, IntersectClipRect = 30, ScaleViewportExtEx = 31, ScaleWindowExtEx = 32, SaveDc = 33,
    RestoreDc = 34, SetWorldTransform = 35, ModifyWorldTransform = 36, SelectObject = 37, CreatePen = 38,
    CreateBrushIndirect = 39, DeleteObject = 40, AngleArc = 41, Ellipse = 42, Rectangle = 43, RoundRect = 44,
    Arc = 45, Chord = 46, Pie = 47, SelectPalette = 48, CreatePalette = 49, ExtFloodFill = 53, LineTo = 54,
    ArcTo = 55, PolyDraw = 56, SetArcDirection = 57, BeginPath = 59, EndPath = 60, CloseFigure = 61,
    FillPath = 62, StrokeAndFillPath = 63, StrokePath = 64, WidenPath = 66, SelectClipPath = 67, AbortPath = 68,
    FillRgn = 71, FrameRgn = 72, InvertRgn = 73, PaintRgn = 74, ExtSelectClipRgn = 75, BitBlt = 76,
    StretchBlt = 77, MaskBlt = 78, PlgBlt = 79, SetDiBitsToDevice = 80, StretchDiBits = 81,
    ExtCreateFontIndirectW = 82, ExtTextOutA = 83, ExtTextOutW = 84, PolyBezier16 = 85, Polygon16 = 86,
    Polyline16 = 87, PolyBezierTo16 = 88, PolylineTo16 = 89, PolyPolyline16 = 90, PolyPolygon16 = 91,
    PolyDraw16 = 92, CreateMonoBrush = 93, CreateDibPatternBrushPt = 94, ExtCreatePen = 95, PolyTextOutA = 96,
    PolyTextOutW = 97, AlphaBlend = 114, TransparentBlt = 116,
};

// Handles with this bit set name stock objects.
constexpr uint32_t stockFlag = 0x80000000u;

inline QPointF readPoint(ByteReader& in, bool small)
{
    if (small) {
        const double x = in.i16();
        return {x, double(in.i16())};
    }
    const double x = in.i32();
    return {x, double(in.i32())};
}

inline QRectF readBox(ByteReader& in)
{
    const double l = in.i32(), t = in.i32(), r = in.i32(), b = in.i32();
    return GdiShapes::box(l, t, r, b);
}

inline QTransform readXform(ByteReader& in)
{
    const double m11 = in.f32(), m12 = in.f32(), m21 = in.f32(), m22 = in.f32(), dx = in.f32(), dy = in.f32();
    if (!std::isfinite(m11 + m12 + m21 + m22 + dx + dy))
        return {};
    return QTransform(m11, m12, m21, m22, dx, dy);
}

}  // namespace EmfRecords
