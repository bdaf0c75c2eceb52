// Shortens a text with "..." until it fits a width, and finds the widest of a list, measured by a
// callback (the caller's device context), so the rules are tested without windows.
#pragma once
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

using MeasureText = std::function<int(std::wstring_view)>;

// The text itself when it is empty or its width + offset fits columnLen; otherwise characters
// are dropped from its end until the rest + offset + the width of "..." fits, keeping at least
// the first character, and "..." is appended.
std::wstring FitText(std::wstring_view text, int columnLen, int offset, const MeasureText& measure);

// The width of the widest of the first `count` texts (fewer when there are fewer); 0 for none.
// measure(const std::wstring&) gives a text's width.
template <class Measure>
int WidestText(const std::vector<std::wstring>& texts, int count, Measure measure) {
    const std::size_t measured = count > 0 ? std::min(static_cast<std::size_t>(count), texts.size()) : 0;
    int widest = 0;
    for (std::size_t i = 0; i < measured; ++i) widest = std::max(widest, static_cast<int>(measure(texts[i])));
    return widest;
}

// The longest start of text whose GBK form takes at most maxBytes bytes (non-ASCII characters
// take two); never cuts a character in half.
std::wstring_view CutToGbkBytes(std::wstring_view text, std::size_t maxBytes) noexcept;

}  // namespace core
