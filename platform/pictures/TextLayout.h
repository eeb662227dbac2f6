#pragma once

#include "platform/pictures/DeviceContext.h"

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>

// A run of text as a text record gives it.
struct TextRun {
    QPointF reference;  // logical
    QString text;
    QList<double> advances;  // logical, one per character; may be empty
    uint32_t options = 0;
    std::optional<QRectF> rect;  // logical, for opaque and clipped text
};

// Where the characters of a run go on the picture: the font at the
// mapping's scale, each character's advance, the alignment the device
// context asks for and the turn of escapement and world transform. Glyphs
// are placed in a frame whose origin is the reference point and whose x
// axis runs along the baseline; `place` takes that frame to picture pixels.
class TextLayout {
public:
    TextLayout(const DeviceContext& dc, const TextRun& run, const QTransform& mapping);

    QFont font;
    QList<double> advances;  // pixels
    double total = 0;        // the run's advance, pixels
    double x0 = 0;           // where the first character starts
    double baseline = 0;
    double ascent = 0;
    double descent = 0;
    bool spaced = false;  // the record gave the advances
    QTransform place;

    // The glyphs' outlines in picture pixels (for a path bracket).
    QPainterPath outlines(const QString& text) const;
    // How far the run moves the current position, in logical units.
    double logicalAdvance(const QTransform& mapping) const;
};
