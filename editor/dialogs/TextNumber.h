#pragma once

#include <QString>

#include <optional>

// The number a typed text starts with, as the editor's number boxes are
// read: blanks skipped, an optional sign, digits and a decimal point; 0 when
// the text does not start with a number ("abc"), 800 for "800 px".
double leadingNumber(const QString& text);

// The leading number as a 16-bit field reads it back: rounded to the nearest
// whole number, halves to the even one; nothing when it does not fit 16 bits.
std::optional<qint16> leadingInt16(const QString& text);
