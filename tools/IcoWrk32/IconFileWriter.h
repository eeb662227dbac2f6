#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

// Writes one picture as a Windows icon (.ico) or cursor (.cur) file: a
// directory of one entry and a 32-bit bitmap whose fourth byte is the
// alpha, followed by the AND mask that marks the transparent pixels for
// readers that ignore alpha.
namespace IconFileWriter {

QByteArray icon(const QImage& image);
QByteArray cursor(const QImage& image, QPoint hotSpot);

}  // namespace IconFileWriter
