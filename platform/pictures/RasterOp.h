#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>

// Ternary raster operations of bitmap blits: each destination pixel becomes
// a bitwise function of the brush pattern (P), the source (S) and itself
// (D), given by the operation's truth table.
class RasterOp {
public:
    explicit RasterOp(uint32_t code) : table_(uint8_t(code >> 16)) {}

    bool usesSource() const { return (((table_ >> 2) ^ table_) & 0x33) != 0; }
    bool usesPattern() const { return (((table_ >> 4) ^ table_) & 0x0f) != 0; }

    // The 24-bit colour the operation makes of three 24-bit colours.
    uint32_t apply(uint32_t p, uint32_t s, uint32_t d) const;

    // Combines layers laid on `target` at `origin`: `source` and `pattern`
    // (either may be null when the operation does not use it) are ARGB
    // images of one size whose alpha marks the pixels the blit covers.
    // The picture starts transparent, as a sheet nobody has drawn on: where
    // the result would copy such a pixel it stays transparent, elsewhere it
    // is computed as on white paper.
    void combine(QImage& target, QPoint origin, const QImage* source, const QImage* pattern) const;

private:
    uint8_t table_;
};
