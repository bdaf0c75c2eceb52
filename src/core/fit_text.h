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
// the first character, and "..." is appended. A surrogate pair is one character: it is kept or
// dropped whole.
std::wstring FitText(std::wstring_view text, int columnLen, int offset, const MeasureText& measure);

// The width of the widest of the first `count` texts (fewer when there are fewer); 0 for none.
// The texts are measured joined end to end, in runs of about runLength characters, so that many
// short texts cost a few measurements instead of one each: extentsOf(run, extents) fills
// extents[i] with the width of the run's first i + 1 characters. Characters' widths add up, so a
// text's width is the difference of two extents; the widest is then measured on its own by
// measure(text), which gives the result.
template <class Extents, class Measure>
int WidestText(const std::vector<std::wstring>& texts, int count, Extents extentsOf, Measure measure,
               std::size_t runLength = 4096) {
    const std::size_t measured = count > 0 ? std::min(static_cast<std::size_t>(count), texts.size()) : 0;
    std::wstring run;
    std::vector<std::size_t> ends;  // where each text of the run ends
    std::vector<int> extents;
    std::size_t first = 0;  // the run's first text
    std::size_t widest = measured;
    int widestWidth = -1;
    auto measureRun = [&] {
        extents.assign(run.size(), 0);
        if (!run.empty()) extentsOf(std::wstring_view(run), extents);
        std::size_t start = 0;
        for (std::size_t k = 0; k < ends.size(); ++k) {
            const int width = ends[k] > start ? extents[ends[k] - 1] - (start ? extents[start - 1] : 0) : 0;
            if (width > widestWidth) {
                widestWidth = width;
                widest = first + k;
            }
            start = ends[k];
        }
        first += ends.size();
        run.clear();
        ends.clear();
    };
    for (std::size_t i = 0; i < measured; ++i) {
        run += texts[i];
        ends.push_back(run.size());
        if (run.size() >= runLength) measureRun();
    }
    measureRun();
    return widest < measured ? static_cast<int>(measure(texts[widest])) : 0;
}

// Where a cut at `cut` (at most text.size()) falls back to so that it does not part the two
// halves of a surrogate pair. A lone surrogate is a character of its own.
constexpr std::size_t CharacterBoundary(std::wstring_view text, std::size_t cut) noexcept {
    const auto high = [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto low = [](wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    return cut > 0 && cut < text.size() && high(text[cut - 1]) && low(text[cut]) ? cut - 1 : cut;
}

// The longest start of text whose GBK form takes at most maxBytes bytes (non-ASCII characters
// take two); never cuts a character in half.
std::wstring_view CutToGbkBytes(std::wstring_view text, std::size_t maxBytes) noexcept;

// The longest start of text of at most maxUnits UTF-16 units that does not end inside a
// surrogate pair.
constexpr std::wstring_view CutToUnits(std::wstring_view text, std::size_t maxUnits) noexcept {
    return maxUnits >= text.size() ? text : text.substr(0, CharacterBoundary(text, maxUnits));
}

}  // namespace core
