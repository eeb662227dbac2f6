#include "platform/pictures/TextLayout.h"

#include "platform/pictures/GdiStyles.h"

#include <QFontMetricsF>

#include <cmath>
#include <numbers>

namespace {

double axisScale(const QTransform& m, bool vertical)
{
    return vertical ? std::hypot(m.m21(), m.m22()) : std::hypot(m.m11(), m.m12());
}

}  // namespace

TextLayout::TextLayout(const DeviceContext& dc, const TextRun& run, const QTransform& m)
{
    const double scaleX = axisScale(m, false);
    const bool updateCp = dc.textAlign & Gdi::TaUpdateCp;
    const QPointF reference = m.map(updateCp ? dc.position : run.reference);
    font = GdiStyles::font(dc.font, axisScale(m, true));
    const QFontMetricsF metrics(font);
    ascent = metrics.ascent();
    descent = metrics.descent();

    for (qsizetype i = 0; i < run.text.size(); ++i) {
        const double a = i < run.advances.size() ? run.advances[i] * scaleX
                                                 : metrics.horizontalAdvance(run.text[i]) + dc.textCharExtra * scaleX;
        advances.append(a);
        total += a;
    }
    spaced = !run.advances.isEmpty();

    switch (dc.textAlign & Gdi::TaHorizontalMask) {
    case Gdi::TaRight:
        x0 = -total;
        break;
    case Gdi::TaCenter:
        x0 = -total / 2;
        break;
    default:
        break;
    }
    baseline = ascent;
    switch (dc.textAlign & Gdi::TaVerticalMask) {
    case Gdi::TaBaseline:
        baseline = 0;
        break;
    case Gdi::TaBottom:
        baseline = -descent;
        break;
    default:
        break;
    }

    // Escapement turns the baseline counterclockwise; a world transform may
    // turn it further. Page mappings that flip an axis leave text upright.
    const double worldAngle = std::atan2(dc.world.m12(), dc.world.m11()) * 180 / std::numbers::pi;
    place.translate(reference.x(), reference.y());
    place.rotate(worldAngle - dc.font.escapement / 10.0);
}

QPainterPath TextLayout::outlines(const QString& text) const
{
    QPainterPath glyphs;
    double x = x0;
    for (qsizetype i = 0; i < text.size() && i < advances.size(); ++i) {
        glyphs.addText(QPointF(x, baseline), font, QString(text[i]));
        x += advances[i];
    }
    return place.map(glyphs);
}

double TextLayout::logicalAdvance(const QTransform& m) const
{
    const double scaleX = axisScale(m, false);
    if (scaleX <= 0)
        return 0;
    const bool flipped = m.m11() < 0;
    return (flipped ? -total : total) / scaleX;
}
