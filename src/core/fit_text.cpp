// Text shortening for narrow cells.
#include "core/fit_text.h"

namespace core {

std::wstring FitText(std::wstring_view text, int columnLen, int offset, const MeasureText& measure) {
    if (text.empty() || measure(text) + offset <= columnLen) return std::wstring(text);
    static constexpr std::wstring_view kDots = L"...";
    const int dots = measure(kDots);
    const std::size_t first = text.size() > 1 && CharacterBoundary(text, 1) == 0 ? 2 : 1;  // a pair's two halves
    std::size_t keep = text.size();
    while (keep > first && measure(text.substr(0, keep)) + offset + dots > columnLen)
        keep = CharacterBoundary(text, keep - 1);
    std::wstring fitted(text.substr(0, keep));
    fitted += kDots;
    return fitted;
}

std::wstring_view CutToGbkBytes(std::wstring_view text, std::size_t maxBytes) noexcept {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes += text[i] < 0x80 ? 1 : 2;
        if (bytes > maxBytes) return text.substr(0, CharacterBoundary(text, i));
    }
    return text;
}

}  // namespace core
