#include "platform/pictures/MetafileCanvas.h"

#include "platform/pictures/GdiShapes.h"
#include "platform/pictures/RasterOp.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>

#include <cmath>
#include <numbers>

namespace {

// Windows draws one-pixel styled lines with these dash lengths in pixels.
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

double axisScale(const QTransform& m, bool vertical)
{
    return vertical ? std::hypot(m.m21(), m.m22()) : std::hypot(m.m11(), m.m12());
}

// Large enough for any sensible text, small enough that a damaged font
// height cannot ask the font engine for gigantic glyphs.
constexpr int maxFontPixels = 2048;

constexpr int maxClipElements = 20000;

}  // namespace

MetafileCanvas::MetafileCanvas(QImage& target, const QTransform& outer)
    : target_(target), outer_(outer)
{
    painter_.begin(&target_);
}

MetafileCanvas::~MetafileCanvas()
{
    painter_.end();
}

QPainterPath MetafileCanvas::fullArea() const
{
    QPainterPath path;
    path.addRect(bounds());
    return path;
}

void MetafileCanvas::applyClip(const DeviceContext& dc)
{
    if (dc.clip == appliedClip_)
        return;
    if (dc.clip)
        painter_.setClipPath(*dc.clip);
    else
        painter_.setClipping(false);
    appliedClip_ = dc.clip;
}

bool MetafileCanvas::applyRop2(const DeviceContext& dc, QColor& color)
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (dc.rop2) {
    case Gdi::R2Nop:
        return false;
    case Gdi::R2Black:
        color = Qt::black;
        break;
    case Gdi::R2White:
        color = Qt::white;
        break;
    case Gdi::R2NotCopyPen:
        color = QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
        break;
    case Gdi::R2XorPen:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case Gdi::R2Not:
        mode = QPainter::RasterOp_NotDestination;
        break;
    case 9:  // R2_MASKPEN
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case 15:  // R2_MERGEPEN
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    default:
        break;
    }
    painter_.setCompositionMode(mode);
    return true;
}

QPen MetafileCanvas::makePen(const DeviceContext& dc) const
{
    const GdiPen& gp = dc.pen;
    const uint32_t style = gp.style & Gdi::PsStyleMask;
    const double width = gp.width * std::sqrt(std::abs(mapping(dc).determinant()));
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

void MetafileCanvas::fillWith(const DeviceContext& dc, const QPainterPath& area, const GdiBrush& brush)
{
    if (brush.null())
        return;
    QColor color = brush.color;
    if (!applyRop2(dc, color))
        return;
    switch (brush.style) {
    case Gdi::BsHatched:
        if (dc.bkMode == Gdi::Opaque) {
            QColor bk = dc.bkColor;
            applyRop2(dc, bk);
            painter_.fillPath(area, bk);
        }
        painter_.fillPath(area, QBrush(color, hatchPattern(brush.hatch)));
        break;
    case Gdi::BsPattern:
    case Gdi::BsDibPattern:
    case Gdi::BsDibPatternPt:
        if (brush.pattern.isNull()) {
            painter_.fillPath(area, color);
        } else if (brush.monochrome) {
            // Set bits show the background colour, clear bits the text colour.
            QImage pattern = brush.pattern.convertToFormat(QImage::Format_Indexed8);
            pattern.setColorCount(2);
            pattern.setColor(0, dc.textColor.rgb());
            pattern.setColor(1, dc.bkColor.rgb());
            painter_.fillPath(area, QBrush(pattern));
        } else {
            painter_.fillPath(area, QBrush(brush.pattern));
        }
        break;
    default:
        painter_.fillPath(area, color);
    }
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void MetafileCanvas::paint(const DeviceContext& dc, const QPainterPath& area, bool fill, bool stroke)
{
    applyClip(dc);
    if (fill && !dc.brush.null()) {
        QPainterPath filled = area;
        filled.setFillRule(dc.polyFillMode == Gdi::Winding ? Qt::WindingFill : Qt::OddEvenFill);
        fillWith(dc, filled, dc.brush);
    }
    if (stroke && !dc.pen.null()) {
        QPen pen = makePen(dc);
        QColor color = pen.color();
        if (applyRop2(dc, color)) {
            pen.setColor(color);
            painter_.strokePath(area, pen);
            painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
}

void MetafileCanvas::drawClosed(const DeviceContext& dc, const QPainterPath& logical)
{
    const QPainterPath mapped = mapping(dc).map(logical);
    if (collecting_)
        path_.addPath(mapped);
    else
        paint(dc, mapped, true, true);
}

void MetafileCanvas::drawOpen(const DeviceContext& dc, const QPainterPath& logical)
{
    const QPainterPath mapped = mapping(dc).map(logical);
    if (collecting_)
        path_.addPath(mapped);
    else
        paint(dc, mapped, false, true);
}

void MetafileCanvas::continueFigure(const DeviceContext& dc, const QPainterPath& logical)
{
    const QPainterPath mapped = mapping(dc).map(logical);
    if (!collecting_) {
        paint(dc, mapped, false, true);
    } else if (path_.elementCount() == 0) {
        path_.addPath(mapped);
    } else {
        path_.connectPath(mapped);
    }
}

void MetafileCanvas::moveTo(const DeviceContext& dc, QPointF logical)
{
    if (collecting_)
        path_.moveTo(mapping(dc).map(logical));
}

void MetafileCanvas::fillArea(const DeviceContext& dc, const QPainterPath& area, const GdiBrush& brush)
{
    applyClip(dc);
    fillWith(dc, area, brush);
}

void MetafileCanvas::setPixel(const DeviceContext& dc, QPointF logical, const QColor& color)
{
    applyClip(dc);
    const QPointF p = mapping(dc).map(logical);
    painter_.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), color);
}

QFont MetafileCanvas::makeFont(const DeviceContext& dc, double scale) const
{
    const GdiFont& f = dc.font;
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

void MetafileCanvas::text(DeviceContext& dc, const TextRun& run)
{
    if (run.text.isEmpty() && !run.rect)
        return;
    const QTransform m = mapping(dc);
    const double scaleX = axisScale(m, false);
    const double scaleY = axisScale(m, true);
    applyClip(dc);

    if (run.rect && (run.options & Gdi::EtoOpaque) && !collecting_) {
        QPainterPath box;
        box.addPolygon(m.map(QPolygonF(run.rect->normalized())));
        painter_.fillPath(box, dc.bkColor);
    }
    if (run.text.isEmpty())
        return;

    const bool updateCp = dc.textAlign & Gdi::TaUpdateCp;
    const QPointF reference = m.map(updateCp ? dc.position : run.reference);
    const QFont font = makeFont(dc, scaleY);
    const QFontMetricsF metrics(font);

    QList<double> advances;
    double total = 0;
    for (qsizetype i = 0; i < run.text.size(); ++i) {
        const double a = i < run.advances.size() ? run.advances[i] * scaleX
                                                 : metrics.horizontalAdvance(run.text[i]) + dc.textCharExtra * scaleX;
        advances.append(a);
        total += a;
    }

    double x0 = 0;
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
    double baseline = metrics.ascent();
    switch (dc.textAlign & Gdi::TaVerticalMask) {
    case Gdi::TaBaseline:
        baseline = 0;
        break;
    case Gdi::TaBottom:
        baseline = -metrics.descent();
        break;
    default:
        break;
    }

    // Escapement turns the baseline counterclockwise; a world transform may
    // turn it further. Page mappings that flip an axis leave text upright.
    const double worldAngle = std::atan2(dc.world.m12(), dc.world.m11()) * 180 / std::numbers::pi;
    QTransform place;
    place.translate(reference.x(), reference.y());
    place.rotate(worldAngle - dc.font.escapement / 10.0);

    const bool spaced = !run.advances.isEmpty();
    if (collecting_) {
        QPainterPath glyphs;
        double x = x0;
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            glyphs.addText(QPointF(x, baseline), font, QString(run.text[i]));
            x += advances[i];
        }
        path_.addPath(place.map(glyphs));
    } else {
        painter_.save();
        if (run.rect && (run.options & Gdi::EtoClipped)) {
            QPainterPath box;
            box.addPolygon(m.map(QPolygonF(run.rect->normalized())));
            painter_.setClipPath(box, dc.clip ? Qt::IntersectClip : Qt::ReplaceClip);
        }
        painter_.setTransform(place);
        if (dc.bkMode == Gdi::Opaque)
            painter_.fillRect(QRectF(x0, baseline - metrics.ascent(), total, metrics.ascent() + metrics.descent()), dc.bkColor);
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setPen(dc.textColor);
        painter_.setFont(font);
        if (spaced) {
            double cx = x0;
            for (qsizetype i = 0; i < run.text.size(); ++i) {
                painter_.drawText(QPointF(cx, baseline), QString(run.text[i]));
                cx += advances[i];
            }
        } else {
            painter_.drawText(QPointF(x0, baseline), run.text);
        }
        painter_.restore();
        appliedClip_ = dc.clip;
    }

    if (updateCp && scaleX > 0) {
        const bool flipped = m.m11() < 0;
        dc.position.rx() += (flipped ? -total : total) / scaleX;
    }
}

void MetafileCanvas::blit(const DeviceContext& dc, const QImage& source, const QRectF& sourceRect, const QRectF& dest, uint32_t rop)
{
    const QTransform m = mapping(dc);
    const bool hasSource = !source.isNull() && sourceRect.width() != 0 && sourceRect.height() != 0;
    // Source pixels to logical units: the source rectangle onto the
    // destination, either of which may be mirrored.
    QTransform sourceToLogical;
    if (hasSource) {
        sourceToLogical = QTransform::fromTranslate(-sourceRect.x(), -sourceRect.y())
            * QTransform::fromScale(dest.width() / sourceRect.width(), dest.height() / sourceRect.height())
            * QTransform::fromTranslate(dest.x(), dest.y());
    }
    const QRectF srcArea = sourceRect.normalized().intersected(QRectF(source.rect()));
    QPainterPath area;
    area.addPolygon(m.map(QPolygonF(dest)));
    area.closeSubpath();

    const RasterOp op(rop);
    if (op.usesSource() && !hasSource)
        return;
    if (collecting_)
        return;
    applyClip(dc);

    if (rop == Gdi::SrcCopy) {
        painter_.save();
        painter_.setTransform(sourceToLogical * m);
        painter_.drawImage(srcArea.topLeft(), source, srcArea);
        painter_.restore();
        appliedClip_ = dc.clip;
        return;
    }
    if (rop == Gdi::PatCopy) {
        fillWith(dc, area, dc.brush);
        return;
    }
    if (rop == Gdi::Blackness || rop == Gdi::Whiteness) {
        painter_.fillPath(area, rop == Gdi::Blackness ? Qt::black : Qt::white);
        return;
    }

    // The general operation: paint the source and the pattern into layers
    // over the covered pixels, then combine them with the picture by hand.
    const QRect box = area.boundingRect().toAlignedRect().intersected(target_.rect());
    if (box.isEmpty())
        return;
    const QTransform toLayer = QTransform::fromTranslate(-box.x(), -box.y());
    std::optional<QPainterPath> clip;
    if (dc.clip)
        clip = toLayer.map(*dc.clip);

    QImage sourceLayer;
    if (op.usesSource()) {
        sourceLayer = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
        sourceLayer.fill(Qt::transparent);
        QPainter p(&sourceLayer);
        if (clip)
            p.setClipPath(*clip);
        p.setTransform(sourceToLogical * m * toLayer);
        p.drawImage(srcArea.topLeft(), source, srcArea);
    }
    QImage patternLayer;
    if (op.usesPattern() || !op.usesSource()) {
        patternLayer = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
        patternLayer.fill(Qt::transparent);
        QPainter p(&patternLayer);
        if (clip)
            p.setClipPath(*clip);
        const QPainterPath layerArea = toLayer.map(area);
        p.fillPath(layerArea, Qt::black);
        const GdiBrush& brush = dc.brush;
        if (brush.style == Gdi::BsSolid)
            p.fillPath(layerArea, brush.color);
        else if (brush.style == Gdi::BsHatched)
            p.fillPath(layerArea, QBrush(brush.color, hatchPattern(brush.hatch)));
        else if (!brush.pattern.isNull() && !brush.monochrome)
            p.fillPath(layerArea, QBrush(brush.pattern));
    }

    painter_.end();
    op.combine(target_, box.topLeft(), sourceLayer.isNull() ? nullptr : &sourceLayer,
               patternLayer.isNull() ? nullptr : &patternLayer);
    painter_.begin(&target_);
    appliedClip_.reset();
    if (dc.clip) {
        painter_.setClipPath(*dc.clip);
        appliedClip_ = dc.clip;
    }
}

void MetafileCanvas::combineClip(DeviceContext& dc, const std::optional<QPainterPath>& area, int mode)
{
    if (mode == Gdi::RgnCopy) {
        dc.clip = area;
        return;
    }
    const QPainterPath base = dc.clip.value_or(fullArea());
    const QPainterPath other = area.value_or(fullArea());
    // Combining outlines costs more the more they hold; a file that keeps
    // cutting the clip into pieces would otherwise take minutes. No drawing
    // program made clips anywhere near this.
    if (base.elementCount() + other.elementCount() > maxClipElements)
        return;
    switch (mode) {
    case Gdi::RgnAnd:
        dc.clip = base.intersected(other);
        break;
    case Gdi::RgnOr:
        dc.clip = base.united(other);
        break;
    case Gdi::RgnXor:
        dc.clip = base.united(other).subtracted(base.intersected(other));
        break;
    case Gdi::RgnDiff:
        dc.clip = base.subtracted(other);
        break;
    default:
        break;
    }
}

void MetafileCanvas::intersectClip(DeviceContext& dc, const QRectF& logical)
{
    combineClip(dc, mapping(dc).map(GdiShapes::rectangle(logical.normalized())), Gdi::RgnAnd);
}

void MetafileCanvas::excludeClip(DeviceContext& dc, const QRectF& logical)
{
    combineClip(dc, mapping(dc).map(GdiShapes::rectangle(logical.normalized())), Gdi::RgnDiff);
}

void MetafileCanvas::offsetClip(DeviceContext& dc, QPointF logicalOffset)
{
    if (!dc.clip)
        return;
    const QTransform m = mapping(dc);
    const QPointF shift = m.map(logicalOffset) - m.map(QPointF(0, 0));
    dc.clip = QTransform::fromTranslate(shift.x(), shift.y()).map(*dc.clip);
}

void MetafileCanvas::beginPath()
{
    path_ = QPainterPath();
    collecting_ = true;
    havePath_ = true;
}

void MetafileCanvas::abortPath()
{
    path_ = QPainterPath();
    collecting_ = false;
    havePath_ = false;
}

void MetafileCanvas::closeFigure()
{
    if (collecting_)
        path_.closeSubpath();
}

void MetafileCanvas::fillPath(const DeviceContext& dc)
{
    if (havePath_ && !collecting_)
        paint(dc, path_, true, false);
    abortPath();
}

void MetafileCanvas::strokePath(const DeviceContext& dc)
{
    if (havePath_ && !collecting_)
        paint(dc, path_, false, true);
    abortPath();
}

void MetafileCanvas::strokeAndFillPath(const DeviceContext& dc)
{
    if (havePath_ && !collecting_)
        paint(dc, path_, true, true);
    abortPath();
}

void MetafileCanvas::selectClipPath(DeviceContext& dc, int mode)
{
    if (havePath_ && !collecting_) {
        QPainterPath area = path_;
        area.setFillRule(dc.polyFillMode == Gdi::Winding ? Qt::WindingFill : Qt::OddEvenFill);
        combineClip(dc, area, mode);
    }
    abortPath();
}

void MetafileCanvas::widenPath(const DeviceContext& dc)
{
    if (!havePath_ || collecting_ || dc.pen.null())
        return;
    QPainterPathStroker stroker(makePen(dc));
    path_ = stroker.createStroke(path_);
}
