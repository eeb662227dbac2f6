#include "platform/pictures/StockObjects.h"

namespace StockObjects {

namespace {

GdiBrush brush(QColor color, uint32_t style = Gdi::BsSolid)
{
    GdiBrush b;
    b.style = style;
    b.color = color;
    return b;
}

GdiPen pen(QColor color, uint32_t style = Gdi::PsSolid)
{
    GdiPen p;
    p.style = style;
    p.color = color;
    return p;
}

GdiFont font(const char* face, int height)
{
    GdiFont f;
    f.face = QString::fromLatin1(face);
    f.height = height;
    return f;
}

}  // namespace

GdiObject object(uint32_t index)
{
    switch (index) {
    case 0: return brush(Qt::white);
    case 1: return brush(QColor(0xc0, 0xc0, 0xc0));
    case 2: return brush(QColor(0x80, 0x80, 0x80));
    case 3: return brush(QColor(0x40, 0x40, 0x40));
    case 4: return brush(Qt::black);
    case 5: return brush(Qt::black, Gdi::BsNull);
    case 6: return pen(Qt::white);
    case 7: return pen(Qt::black);
    case 8: return pen(Qt::black, Gdi::PsNull);
    case 10:
    case 11:
    case 16: return font("Courier New", 16);
    case 12:
    case 13:
    case 14: return font("Arial", 16);
    case 17: return font("Arial", -11);
    case 15: return GdiPalette{};
    case 18: return brush(Qt::white);
    case 19: return pen(Qt::black);
    default: return {};
    }
}

}  // namespace StockObjects
