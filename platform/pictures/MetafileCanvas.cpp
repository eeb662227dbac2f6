#include "platform/pictures/MetafileCanvas.h"

#include "platform/pictures/BlitLayers.h"
#include "platform/pictures/FloodFill.h"
#include "platform/pictures/GdiRegions.h"
#include "platform/pictures/GdiShapes.h"
#include "platform/pictures/GdiStyles.h"
#include "platform/pictures/RasterOp.h"

#include <QPainterPathStroker>

#include <cmath>

namespace {

// Flood fills of one picture visit at most this many pixels in all (each
// filled pixel costs three visits), so that a file cannot fill for minutes.
constexpr int64_t maxFloodPixels = int64_t(16) * 1024 * 1024;

constexpr uint32_t dstInvert = 0x00550009;

}  // namespace

MetafileCanvas::MetafileCanvas(QImage& target, const QTransform& outer)
    : target_(target), outer_(outer), floodBudget_(maxFloodPixels)
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

// After painter_.restore(), the painter's clip is the device context's.
void MetafileCanvas::restoreClip(const DeviceContext& dc)
{
    painter_.restore();
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
    return GdiStyles::pen(dc.pen, std::sqrt(std::abs(mapping(dc).determinant())));
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
        painter_.fillPath(area, QBrush(color, GdiStyles::hatchPattern(brush.hatch)));
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
    if (path_.collecting())
        path_.add(mapped);
    else
        paint(dc, mapped, true, true);
}

void MetafileCanvas::drawOpen(const DeviceContext& dc, const QPainterPath& logical)
{
    const QPainterPath mapped = mapping(dc).map(logical);
    if (path_.collecting())
        path_.add(mapped);
    else
        paint(dc, mapped, false, true);
}

void MetafileCanvas::continueFigure(const DeviceContext& dc, const QPainterPath& logical)
{
    const QPainterPath mapped = mapping(dc).map(logical);
    if (path_.collecting())
        path_.connect(mapped);
    else
        paint(dc, mapped, false, true);
}

void MetafileCanvas::moveTo(const DeviceContext& dc, QPointF logical)
{
    if (path_.collecting())
        path_.moveTo(mapping(dc).map(logical));
}

void MetafileCanvas::fillArea(const DeviceContext& dc, const QPainterPath& area, const GdiBrush& brush)
{
    applyClip(dc);
    fillWith(dc, area, brush);
}

void MetafileCanvas::invertArea(const DeviceContext& dc, const QPainterPath& area)
{
    blitArea(dc, {}, {}, {}, area, dstInvert);
}

void MetafileCanvas::setPixel(const DeviceContext& dc, QPointF logical, const QColor& color)
{
    applyClip(dc);
    const QPointF p = mapping(dc).map(logical);
    painter_.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), color);
}

void MetafileCanvas::floodFill(const DeviceContext& dc, QPointF logical, const QColor& color, int mode)
{
    if (path_.collecting() || dc.brush.null())
        return;
    const QPointF p = mapping(dc).map(logical);
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || !bounds().contains(p))
        return;
    const QRegion area = FloodFill::area(target_, QPoint(int(std::floor(p.x())), int(std::floor(p.y()))),
                                         color.rgb(), mode, floodBudget_);
    if (area.isEmpty())
        return;
    // The filled area is painted as a path of its own rectangles within the
    // device context's clipping: a clip region of thousands of rectangles
    // makes the raster engine allocate far more than the picture.
    applyClip(dc);
    QPainterPath path;
    path.addRegion(area);
    fillWith(dc, path, dc.brush);
}

void MetafileCanvas::text(DeviceContext& dc, const TextRun& run)
{
    if (run.text.isEmpty() && !run.rect)
        return;
    const QTransform m = mapping(dc);
    applyClip(dc);

    if (run.rect && (run.options & Gdi::EtoOpaque) && !path_.collecting()) {
        QPainterPath box;
        box.addPolygon(m.map(QPolygonF(run.rect->normalized())));
        painter_.fillPath(box, dc.bkColor);
    }
    if (run.text.isEmpty())
        return;

    const TextLayout layout(dc, run, m);
    if (path_.collecting()) {
        path_.add(layout.outlines(run.text));
    } else {
        painter_.save();
        if (run.rect && (run.options & Gdi::EtoClipped)) {
            QPainterPath box;
            box.addPolygon(m.map(QPolygonF(run.rect->normalized())));
            painter_.setClipPath(box, dc.clip ? Qt::IntersectClip : Qt::ReplaceClip);
        }
        painter_.setTransform(layout.place);
        if (dc.bkMode == Gdi::Opaque)
            painter_.fillRect(QRectF(layout.x0, layout.baseline - layout.ascent, layout.total,
                                     layout.ascent + layout.descent),
                              dc.bkColor);
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        painter_.setPen(dc.textColor);
        painter_.setFont(layout.font);
        if (layout.spaced) {
            double cx = layout.x0;
            for (qsizetype i = 0; i < run.text.size(); ++i) {
                painter_.drawText(QPointF(cx, layout.baseline), QString(run.text[i]));
                cx += layout.advances[i];
            }
        } else {
            painter_.drawText(QPointF(layout.x0, layout.baseline), run.text);
        }
        restoreClip(dc);
    }

    if (dc.textAlign & Gdi::TaUpdateCp)
        dc.position.rx() += layout.logicalAdvance(m);
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
    QPainterPath area;
    area.addPolygon(m.map(QPolygonF(dest)));
    area.closeSubpath();
    blitArea(dc, hasSource ? source : QImage(), sourceRect, sourceToLogical * m, area, rop);
}

void MetafileCanvas::blitParallelogram(const DeviceContext& dc, const QImage& source, const QRectF& sourceRect,
                                       const QPolygonF& corners)
{
    if (source.isNull() || sourceRect.width() == 0 || sourceRect.height() == 0 || corners.size() != 3)
        return;
    // The source's corners onto the three given ones; the fourth follows.
    const QPointF a = corners[0], b = corners[1], c = corners[2];
    const QTransform unitToLogical((b.x() - a.x()), (b.y() - a.y()), (c.x() - a.x()), (c.y() - a.y()), a.x(), a.y());
    const QTransform sourceToLogical = QTransform::fromTranslate(-sourceRect.x(), -sourceRect.y())
        * QTransform::fromScale(1 / sourceRect.width(), 1 / sourceRect.height()) * unitToLogical;
    const QTransform m = mapping(dc);
    QPainterPath area;
    area.addPolygon(m.map(QPolygonF({a, b, b + c - a, c})));
    area.closeSubpath();
    blitArea(dc, source, sourceRect, sourceToLogical * m, area, Gdi::SrcCopy);
}

void MetafileCanvas::blitArea(const DeviceContext& dc, const QImage& source, const QRectF& sourceRect,
                              const QTransform& sourceToPixels, const QPainterPath& area, uint32_t rop)
{
    const RasterOp op(rop);
    if ((op.usesSource() && source.isNull()) || path_.collecting())
        return;
    const QRectF srcArea = sourceRect.normalized().intersected(QRectF(source.rect()));
    applyClip(dc);

    if (rop == Gdi::SrcCopy) {
        painter_.save();
        painter_.setTransform(sourceToPixels);
        painter_.drawImage(srcArea.topLeft(), source, srcArea);
        restoreClip(dc);
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
    if (op.usesSource())
        sourceLayer = BlitLayers::source(box.size(), clip, source, srcArea, sourceToPixels * toLayer);
    QImage patternLayer;
    if (op.usesPattern() || !op.usesSource())
        patternLayer = BlitLayers::pattern(box.size(), clip, toLayer.map(area), dc.brush);

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
    dc.clip = GdiRegions::combine(dc.clip, area, mode, fullArea());
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

void MetafileCanvas::paintFinishedPath(const DeviceContext& dc, bool fill, bool stroke)
{
    if (const std::optional<QPainterPath> path = path_.finished())
        paint(dc, *path, fill, stroke);
    path_.abort();
}

void MetafileCanvas::fillPath(const DeviceContext& dc)
{
    paintFinishedPath(dc, true, false);
}

void MetafileCanvas::strokePath(const DeviceContext& dc)
{
    paintFinishedPath(dc, false, true);
}

void MetafileCanvas::strokeAndFillPath(const DeviceContext& dc)
{
    paintFinishedPath(dc, true, true);
}

void MetafileCanvas::selectClipPath(DeviceContext& dc, int mode)
{
    if (std::optional<QPainterPath> area = path_.finished()) {
        area->setFillRule(dc.polyFillMode == Gdi::Winding ? Qt::WindingFill : Qt::OddEvenFill);
        combineClip(dc, area, mode);
    }
    path_.abort();
}

void MetafileCanvas::widenPath(const DeviceContext& dc)
{
    const std::optional<QPainterPath> path = path_.finished();
    if (!path || dc.pen.null())
        return;
    QPainterPathStroker stroker(makePen(dc));
    path_.replace(stroker.createStroke(*path));
}
