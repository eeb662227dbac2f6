#pragma once

#include "platform/pictures/ByteReader.h"
#include "platform/pictures/GdiObjects.h"

// The logical objects (LOGFONT, LOGPALETTE, LOGBRUSH, LOGPEN) as both
// metafile kinds store them in their object records: a WMF with 16-bit
// fields and ANSI face names, an EMF with 32-bit fields and UTF-16 names.
namespace LogObjects {

enum class Fields { Short, Long };

// A LOGFONT from its height to its face name.
GdiFont font(ByteReader& in, Fields fields);

// A LOGPALETTE: version, entry count, entries.
GdiPalette palette(ByteReader& in);

// A LOGBRUSH's values; styles a record cannot carry (patterns need a
// bitmap) are drawn solid.
GdiBrush brush(uint32_t style, const QColor& color, uint32_t hatch);

GdiPen pen(uint32_t style, double width, const QColor& color);

}  // namespace LogObjects
