#pragma once

#include <QString>

// A named 16-bit value: a game variable, or a disappeared area as
// (frame name, area number).
class ClassVariable {
public:
    qint16 Value = 0;
    QString Name;

    bool operator==(const ClassVariable&) const = default;
};
