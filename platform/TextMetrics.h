#pragma once

#include <optional>

// The character height, in pixels, of the desktop's system font: 16 at the
// standard 96 DPI. Larger means the desktop uses large fonts.
namespace TextMetrics {

// Nothing when the desktop cannot be asked (no screen).
std::optional<int> systemFontHeight();

// Tests pin the answer; nullopt returns to the desktop's.
void setOverride(std::optional<int> height);

}  // namespace TextMetrics
