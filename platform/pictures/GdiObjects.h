#pragma once

#include "platform/pictures/GdiConstants.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRgb>
#include <QString>

#include <variant>

// The drawing objects a metafile creates, selects and deletes, as the
// records describe them (sizes in logical units).
struct GdiPen {
    uint32_t style = Gdi::PsSolid;
    double width = 0;  // logical units; 0 draws one pixel wide
    QColor color = Qt::black;
    QList<double> dashes;  // PS_USERSTYLE lengths, logical units
    bool null() const { return (style & Gdi::PsStyleMask) == Gdi::PsNull; }
};

struct GdiBrush {
    uint32_t style = Gdi::BsSolid;
    QColor color = Qt::white;
    uint32_t hatch = 0;
    QImage pattern;
    // A one-bit pattern takes the text and background colours when used.
    bool monochrome = false;
    bool null() const { return style == Gdi::BsNull; }
};

struct GdiFont {
    int height = 0;
    int width = 0;
    int escapement = 0;  // tenths of a degree, counterclockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    int pitchAndFamily = 0;
    QString face;
};

struct GdiPalette {
    QList<QRgb> colors;
};

// A region as its record gives it: logical units in a WMF, device units in
// an EMF.
struct GdiRegion {
    QPainterPath area;
};

using GdiObject = std::variant<std::monostate, GdiPen, GdiBrush, GdiFont, GdiPalette, GdiRegion>;
