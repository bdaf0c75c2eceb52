// The base palette: the sixteen colours the host names by colour numbers 0 to 15, and the lookup
// from a colour back to its number.
#pragma once
#include <array>
#include <cstdint>

namespace core {

// A colour as the platform stores it: red in the low byte, then green, then blue; high byte 0.
using ColorValue = std::uint32_t;

constexpr int kColorCount = 16;
using ColorTable = std::array<ColorValue, kColorCount>;

// Intensities 170 and 85 for the dark colours, 255 for the bright ones; 6 is dark yellow
// (170, 170, 0), not brown.
constexpr ColorTable kBasePalette{
    0x000000, 0xAA0000, 0x00AA00, 0xAAAA00, 0x0000AA, 0xAA00AA, 0x00AAAA, 0xAAAAAA,
    0x555555, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

constexpr bool IsColorNumber(int number) noexcept { return number >= 0 && number < kColorCount; }

// A host colour number outside 0 to 15 is shown, and handed back, as 1 (dark blue).
constexpr int ValidColorNumber(int number) noexcept { return IsColorNumber(number) ? number : 1; }

// The colour of a colour number (read as ValidColorNumber reads it, so never outside the table).
constexpr ColorValue BaseColor(int number) noexcept {
    return kBasePalette[static_cast<std::size_t>(ValidColorNumber(number))];
}

// The number of the first entry of `table` equal to `color` (all 32 bits), or -1 when none is.
constexpr int FindColorNumber(ColorValue color, const ColorTable& table = kBasePalette) noexcept {
    for (int number = 0; number < kColorCount; ++number)
        if (table[static_cast<std::size_t>(number)] == color) return number;
    return -1;
}

// The number of base colour `color` while slot `number` of `table` still holds it: a slot that
// now holds another colour matches nothing, so a colour put into an earlier slot is never taken
// for that slot's base colour. -1 when none matches.
constexpr int FindKeptColorNumber(ColorValue color, const ColorTable& table) noexcept {
    const int number = FindColorNumber(color);
    return number >= 0 && table[static_cast<std::size_t>(number)] == color ? number : -1;
}

}  // namespace core
