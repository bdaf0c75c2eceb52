// Colour names, numbered like the base palette.
#include "core/color_names.h"

#include <array>

namespace core {
namespace {

// By colour number; the dark colours are the palette's intensity-170 ones.
constexpr std::array<std::wstring_view, kColorCount> kColorNames{
    L"黑色", L"深蓝", L"深绿", L"深青", L"深红", L"深紫", L"深黄", L"浅灰",
    L"深灰", L"蓝色", L"绿色", L"青色", L"红色", L"紫色", L"黄色", L"白色",
};

std::wstring Channel(std::wstring_view word, ColorValue color, int shift) {
    return std::wstring(word) + std::to_wstring((color >> shift) & 0xFFu);
}

}  // namespace

std::wstring_view ColorName(int number) noexcept {
    return kColorNames[static_cast<std::size_t>(ValidColorNumber(number))];
}

std::wstring ColorText(ColorValue color) {
    const int number = FindColorNumber(color);
    if (number >= 0) return std::wstring(ColorName(number));
    return Channel(L"红", color, 0) + L" " + Channel(L"绿", color, 8) + L" " + Channel(L"蓝", color, 16);
}

}  // namespace core
