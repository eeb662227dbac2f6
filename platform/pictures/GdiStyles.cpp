#include "platform/pictures/GdiStyles.h"

#include <QFontMetricsF>

#include <cmath>

namespace GdiStyles {

namespace {

// Large enough for any sensible text, small enough that a damaged font
// height cannot ask the font engine for gigantic glyphs.
constexpr int maxFontPixels = 2048;

}  // namespace

QList<qreal> cosmeticDashes(uint32_t style)
{
    switch (style) {
    case Gdi::PsDash:
        return {18, 6};
    case Gdi::PsDot:
        return {3, 3};
    case Gdi::PsDashDot:
        return {9, 6, 3, 6};
    case Gdi::PsDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    case Gdi::PsAlternate:
        return {1, 1};
    default:
        return {};
    }
}

Qt::BrushStyle hatchPattern(uint32_t hatch)
{
    switch (hatch) {
    case Gdi::HsHorizontal:
        return Qt::HorPattern;
    case Gdi::HsVertical:
        return Qt::VerPattern;
    case Gdi::HsFDiagonal:
        return Qt::BDiagPattern;  // "\" in Windows, which Qt calls backward
    case Gdi::HsBDiagonal:
        return Qt::FDiagPattern;
    case Gdi::HsCross:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

QPen pen(const GdiPen& gp, double scale)
{
    const uint32_t style = gp.style & Gdi::PsStyleMask;
    const double width = gp.width * scale;
    QPen pen(gp.color);
    if (width <= 1.5) {
        pen.setWidthF(1);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        const QList<qreal> dashes = cosmeticDashes(style);
        if (!dashes.isEmpty())
            pen.setDashPattern(dashes);
        return pen;
    }
    pen.setWidthF(width);
    switch (gp.style & Gdi::PsEndCapMask) {
    case Gdi::PsEndCapSquare:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case Gdi::PsEndCapFlat:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
    }
    switch (gp.style & Gdi::PsJoinMask) {
    case Gdi::PsJoinBevel:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case Gdi::PsJoinMiter:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
    }
    // Wide pens made with CreatePen draw solid whatever their style; only
    // geometric pens (ExtCreatePen) keep dashes at every width.
    if (gp.style & Gdi::PsGeometric) {
        if (style == Gdi::PsUserStyle && !gp.dashes.isEmpty() && gp.width > 0) {
            QList<qreal> dashes;
            for (double d : gp.dashes)
                dashes.append(std::max(0.1, d / gp.width));
            if (dashes.size() % 2)
                dashes.append(dashes.last());
            pen.setDashPattern(dashes);
        } else if (style >= Gdi::PsDash && style <= Gdi::PsDashDotDot) {
            pen.setStyle(Qt::PenStyle(int(Qt::DashLine) + int(style) - 1));
        }
    }
    return pen;
}

QFont font(const GdiFont& f, double scale)
{
    QFont font(f.face.isEmpty() ? QStringLiteral("Arial") : f.face);
    switch ((f.pitchAndFamily >> 4) & 7) {
    case 1:
        font.setStyleHint(QFont::Serif);
        break;
    case 2:
        font.setStyleHint(QFont::SansSerif);
        break;
    case 3:
        font.setStyleHint(QFont::TypeWriter);
        break;
    case 4:
        font.setStyleHint(QFont::Cursive);
        break;
    case 5:
        font.setStyleHint(QFont::Decorative);
        break;
    default:
        break;
    }
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);

    double pixels = std::abs(double(f.height)) * scale;
    if (f.height == 0)
        pixels = 16;  // the system's default font height
    if (f.height > 0) {
        // A positive height is the whole cell, internal leading included.
        QFont probe = font;
        probe.setPixelSize(100);
        const double cell = QFontMetricsF(probe).height();
        if (cell > 0)
            pixels = pixels * 100 / cell;
    }
    font.setPixelSize(std::clamp(int(std::lround(pixels)), 1, maxFontPixels));
    return font;
}

}  // namespace GdiStyles
