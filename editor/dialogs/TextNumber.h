#pragma once

#include <QString>

// The number a typed text starts with, as the editor's number boxes are
// read: blanks skipped, an optional sign, digits and a decimal point; 0 when
// the text does not start with a number ("abc"), 800 for "800 px".
double leadingNumber(const QString& text);
