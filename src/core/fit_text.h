// Shortens a text with "..." until it fits a width, measured by a callback (the caller's device
// context), so the rule is tested without windows.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace core {

using MeasureText = std::function<int(std::wstring_view)>;

// The text itself when it is empty or its width + offset fits columnLen; otherwise characters
// are dropped from its end until the rest + offset + the width of "..." fits, keeping at least
// the first character, and "..." is appended.
std::wstring FitText(std::wstring_view text, int columnLen, int offset, const MeasureText& measure);

// The longest start of text whose GBK form takes at most maxBytes bytes (non-ASCII characters
// take two); never cuts a character in half.
std::wstring_view CutToGbkBytes(std::wstring_view text, std::size_t maxBytes) noexcept;

}  // namespace core
