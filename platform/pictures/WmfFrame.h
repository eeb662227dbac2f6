#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QTransform>

// The rectangle a Windows metafile draws in and the picture it becomes:
// the placeable header's bounds, or for a plain metafile the window its
// records set up, or, when they set up none, a large page the drawing is
// measured on and cut from.
struct WmfFrame {
    QRectF bounds;  // logical units
    QSize size;     // pixels
    double unitsPerInch = 96;
    bool placeable = false;
    bool measure = false;  // draw large, then cut to what was drawn

    // Reads the frame of the metafile in `bytes`; `recordsStart` is where
    // its header begins (after a placeable header). False when the frame
    // gives no picture we are willing to make.
    static bool read(const QByteArray& bytes, qsizetype& recordsStart, WmfFrame& frame);

    // The metafile's device units to the picture's pixels.
    QTransform outerTransform() const;

    // The part of a measuring picture from its origin to the last drawn pixel.
    static QImage cropToDrawing(const QImage& image);
};
