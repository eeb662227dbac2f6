#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Frame files keep a solid background colour as one number: red + 256 ×
// green + 65536 × blue (red in the low byte).
namespace ColourNumber {

// The colour a frame file's background text stands for; nothing when the
// text is not a number of 32 bits (the background then stays as it was).
std::optional<QColor> fromText(const QString& text);

qint64 fromColour(const QColor& colour);
QString textOf(const QColor& colour);

}  // namespace ColourNumber
