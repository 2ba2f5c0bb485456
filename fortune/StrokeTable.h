#pragma once

#include <array>
#include <cstdint>

// Stroke counts of the GB2312 Chinese-character area B0A1 to F7FE, 94 code
// points per lead byte; entry (lead - 0xB0) * 94 + (trail - 0xA1).
inline constexpr int strokeTableSize = 6768;
extern const std::array<std::uint8_t, strokeTableSize> StrokeTable;
