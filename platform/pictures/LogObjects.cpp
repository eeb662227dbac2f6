#include "platform/pictures/LogObjects.h"

#include "platform/Windows1252.h"

#include <cmath>

namespace LogObjects {

namespace {

constexpr int faceLength = 32;

}  // namespace

GdiFont font(ByteReader& in, Fields fields)
{
    const bool wide = fields == Fields::Long;
    const auto field = [&] { return wide ? int(in.i32()) : int(in.i16()); };
    GdiFont font;
    font.height = field();
    font.width = field();
    font.escapement = field();
    field();  // orientation
    font.weight = field();
    font.italic = in.u8();
    font.underline = in.u8();
    font.strikeOut = in.u8();
    font.charset = in.u8();
    in.skip(3);  // precision, clipping, quality
    font.pitchAndFamily = in.u8();
    if (wide) {
        for (int i = 0; i < faceLength && in.has(2); ++i) {
            const uint16_t c = in.u16();
            if (c == 0)
                break;
            font.face.append(QChar(c));
        }
    } else {
        QByteArray face;
        while (in.has(1) && face.size() < faceLength) {
            const char c = char(in.u8());
            if (c == 0)
                break;
            face.append(c);
        }
        font.face = Windows1252::decode(face);
    }
    return font;
}

GdiPalette palette(ByteReader& in)
{
    in.u16();  // version
    const int count = in.u16();
    GdiPalette palette;
    for (int i = 0; i < count && in.has(4); ++i) {
        const uint8_t r = in.u8(), g = in.u8(), b = in.u8();
        in.u8();  // flags
        palette.colors.append(qRgb(r, g, b));
    }
    return palette;
}

GdiBrush brush(uint32_t style, const QColor& color, uint32_t hatch)
{
    GdiBrush brush;
    brush.style = style;
    brush.color = color;
    brush.hatch = hatch;
    if (brush.style != Gdi::BsSolid && brush.style != Gdi::BsNull && brush.style != Gdi::BsHatched)
        brush.style = Gdi::BsSolid;
    return brush;
}

GdiPen pen(uint32_t style, double width, const QColor& color)
{
    GdiPen pen;
    pen.style = style;
    pen.width = std::abs(width);
    pen.color = color;
    return pen;
}

}  // namespace LogObjects
