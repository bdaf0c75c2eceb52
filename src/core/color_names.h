// What a screen reader reads for a colour: the Chinese name of a base colour, or the red, green
// and blue values of any other colour.
#pragma once
#include <string>
#include <string_view>

#include "core/palette.h"

namespace core {

// The name of colour number `number` ("黑色" for 0 ... "白色" for 15), read as ValidColorNumber
// reads it.
std::wstring_view ColorName(int number) noexcept;

// The name of a base colour (all 32 bits equal to a palette entry), else "红255 绿128 蓝0": the
// three channels of the low three bytes.
std::wstring ColorText(ColorValue color);

}  // namespace core
