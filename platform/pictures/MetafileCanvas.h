#pragma once

#include "platform/pictures/DeviceContext.h"
#include "platform/pictures/PathBracket.h"
#include "platform/pictures/TextLayout.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <optional>

// Where both metafile players draw: a transparent picture painted with
// QPainter. Records hand it figures in logical units and the device context
// they are drawn with; it maps them to the picture's pixels, fills and
// outlines them, clips, blits bitmaps and writes text. Between BeginPath and
// EndPath (EMF) figures are collected into a path instead of drawn.
class MetafileCanvas {
public:
    // `outer` takes the metafile's device units to the picture's pixels.
    MetafileCanvas(QImage& target, const QTransform& outer);
    ~MetafileCanvas();

    const QTransform& outer() const { return outer_; }
    QTransform mapping(const DeviceContext& dc) const { return dc.toDevice() * outer_; }
    QRectF bounds() const { return QRectF(0, 0, target_.width(), target_.height()); }

    // A closed figure (polygon, rectangle, ellipse...): filled with the
    // brush, outlined with the pen.
    void drawClosed(const DeviceContext& dc, const QPainterPath& logical);
    // An open figure (line, polyline, arc, Bézier): outlined only.
    void drawOpen(const DeviceContext& dc, const QPainterPath& logical);
    // Segments that continue from the current position (LineTo and the
    // "To" records); `logical` starts with a move to that position.
    void continueFigure(const DeviceContext& dc, const QPainterPath& logical);
    // MoveTo: inside a path bracket it starts a new figure.
    void moveTo(const DeviceContext& dc, QPointF logical);
    // Fills an area already in picture pixels with a brush.
    void fillArea(const DeviceContext& dc, const QPainterPath& area, const GdiBrush& brush);
    // Inverts the colours of an area in picture pixels (InvertRgn).
    void invertArea(const DeviceContext& dc, const QPainterPath& area);
    void setPixel(const DeviceContext& dc, QPointF logical, const QColor& color);
    // Fills with the brush from `logical` over the pixels that are not
    // `color` (border mode) or that are `color` (surface mode).
    void floodFill(const DeviceContext& dc, QPointF logical, const QColor& color, int mode);

    // Writes text with the selected font and colours; may move the current
    // position when the alignment asks for it.
    void text(DeviceContext& dc, const TextRun& run);

    // Copies `sourceRect` of `source` onto the logical rectangle `dest`
    // with a ternary raster operation. A null source is a pattern blit.
    void blit(const DeviceContext& dc, const QImage& source, const QRectF& sourceRect, const QRectF& dest, uint32_t rop);
    // Copies `sourceRect` of `source` onto the logical parallelogram whose
    // upper-left, upper-right and lower-left corners `corners` gives.
    void blitParallelogram(const DeviceContext& dc, const QImage& source, const QRectF& sourceRect,
                           const QPolygonF& corners);

    // Clipping; the area lives in the device context so that saving and
    // restoring it brings the clip back.
    void intersectClip(DeviceContext& dc, const QRectF& logical);
    void excludeClip(DeviceContext& dc, const QRectF& logical);
    void offsetClip(DeviceContext& dc, QPointF logicalOffset);
    // Combines an area in picture pixels with the clip; mode copy with no
    // area removes the clip.
    void combineClip(DeviceContext& dc, const std::optional<QPainterPath>& area, int mode);

    // Path bracket (EMF).
    void beginPath() { path_.begin(); }
    void endPath() { path_.end(); }
    void abortPath() { path_.abort(); }
    void closeFigure() { path_.closeFigure(); }
    void fillPath(const DeviceContext& dc);
    void strokePath(const DeviceContext& dc);
    void strokeAndFillPath(const DeviceContext& dc);
    void selectClipPath(DeviceContext& dc, int mode);
    void widenPath(const DeviceContext& dc);
    bool collecting() const { return path_.collecting(); }

private:
    void paint(const DeviceContext& dc, const QPainterPath& area, bool fill, bool stroke);
    void fillWith(const DeviceContext& dc, const QPainterPath& area, const GdiBrush& brush);
    void paintFinishedPath(const DeviceContext& dc, bool fill, bool stroke);
    // A blit onto `area` (picture pixels), the source's pixels taken to the
    // picture's by `sourceToPixels`.
    void blitArea(const DeviceContext& dc, const QImage& source, const QRectF& sourceRect,
                  const QTransform& sourceToPixels, const QPainterPath& area, uint32_t rop);
    void applyClip(const DeviceContext& dc);
    void restoreClip(const DeviceContext& dc);
    bool applyRop2(const DeviceContext& dc, QColor& color);
    QPen makePen(const DeviceContext& dc) const;
    QPainterPath fullArea() const;

    QImage& target_;
    QTransform outer_;
    QPainter painter_;
    std::optional<QPainterPath> appliedClip_;
    PathBracket path_;
    // Pixels flood fills may still visit in this picture.
    int64_t floodBudget_;
};
