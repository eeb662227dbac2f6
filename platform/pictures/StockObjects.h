#pragma once

#include "platform/pictures/GdiObjects.h"

#include <cstdint>

// The system's ready-made pens, brushes, fonts and palette, which an EMF
// selects by number without creating them.
namespace StockObjects {

// The stock object numbered `index` (WHITE_BRUSH = 0 ... DC_PEN = 19);
// nothing for an unknown number.
GdiObject object(uint32_t index);

}  // namespace StockObjects
