// Full-width and ideographic characters as their ASCII forms.
#include "core/typed_text.h"

namespace core {
namespace {

constexpr wchar_t kFirstFullWidth = 0xFF01;  // '！', the full-width '!'
constexpr wchar_t kLastFullWidth = 0xFF5E;   // '～', the full-width '~'
constexpr wchar_t kFullWidthOffset = 0xFEE0; // a full-width form less its ASCII character
constexpr wchar_t kIdeographicSpace = 0x3000;
constexpr wchar_t kIdeographicFullStop = 0x3002;

wchar_t MeantCharacter(wchar_t c) noexcept {
    if (c >= kFirstFullWidth && c <= kLastFullWidth) return static_cast<wchar_t>(c - kFullWidthOffset);
    if (c == kIdeographicSpace) return L' ';
    // Chinese punctuation mode types it for '.': in a number it can only be the point.
    if (c == kIdeographicFullStop) return L'.';
    return c;
}

}  // namespace

std::wstring MeantText(std::wstring_view typed) {
    std::wstring text(typed);
    for (wchar_t& c : text) c = MeantCharacter(c);
    return text;
}

}  // namespace core
