// The text as the user meant it: an input method in full-width mode types "１．５" for 1.5, and in
// Chinese punctuation mode "。" for the decimal point. The readers of numbers read this text.
#pragma once
#include <string>
#include <string_view>

namespace core {

// Full-width forms (U+FF01 to U+FF5E) become their ASCII characters, the ideographic space
// (U+3000) a space and the ideographic full stop "。" a '.'; every other character stays as it is.
std::wstring MeantText(std::wstring_view typed);

}  // namespace core
