#pragma once

#include <cstdint>

// Values of the Windows drawing interface that metafile records carry.
namespace Gdi {

enum MapMode : int { MmText = 1, MmLoMetric, MmHiMetric, MmLoEnglish, MmHiEnglish, MmTwips, MmIsotropic, MmAnisotropic };
enum BkMode : int { Transparent = 1, Opaque = 2 };
enum PolyFillMode : int { Alternate = 1, Winding = 2 };

enum PenStyle : uint32_t {
    PsSolid = 0, PsDash, PsDot, PsDashDot, PsDashDotDot, PsNull, PsInsideFrame, PsUserStyle, PsAlternate,
    PsStyleMask = 0x0f,
    PsEndCapRound = 0x000, PsEndCapSquare = 0x100, PsEndCapFlat = 0x200, PsEndCapMask = 0xf00,
    PsJoinRound = 0x0000, PsJoinBevel = 0x1000, PsJoinMiter = 0x2000, PsJoinMask = 0xf000,
    PsGeometric = 0x10000,
};

enum BrushStyle : uint32_t { BsSolid = 0, BsNull = 1, BsHatched = 2, BsPattern = 3, BsDibPattern = 5, BsDibPatternPt = 6 };
enum HatchStyle : uint32_t { HsHorizontal = 0, HsVertical, HsFDiagonal, HsBDiagonal, HsCross, HsDiagCross };

// Text alignment flags.
enum : uint32_t {
    TaUpdateCp = 1, TaRight = 2, TaCenter = 6, TaHorizontalMask = 6,
    TaBottom = 8, TaBaseline = 24, TaVerticalMask = 24,
};
enum : uint32_t { EtoOpaque = 2, EtoClipped = 4, EtoPdy = 0x2000 };

// Binary raster operations for pens and brushes (R2_*).
enum : int { R2Black = 1, R2NotCopyPen = 4, R2Not = 6, R2XorPen = 7, R2Nop = 11, R2CopyPen = 13, R2White = 16 };

// Ternary raster operations for blits: the high word's low byte is the
// truth table over pattern, source and destination.
enum : uint32_t {
    SrcCopy = 0x00CC0020, PatCopy = 0x00F00021, Blackness = 0x00000042, Whiteness = 0x00FF0062,
};

// Clipping region combinations.
enum : int { RgnAnd = 1, RgnOr = 2, RgnXor = 3, RgnDiff = 4, RgnCopy = 5 };

enum : int { DibRgbColors = 0, DibPalColors = 1 };

}  // namespace Gdi
