// Contour values as text: shown with six significant digits ("%g") and read back as the C
// library's atof reads a decimal number, so an untouched value comes back through its six-digit
// text.
#pragma once
#include <string>
#include <string_view>

namespace core {

// "%g" of the value as a double: six significant digits, trailing zeros dropped, exponent form
// for very large or small values ("1e-07", "1e+20"); "inf", "-inf", "nan" and "-nan" for values
// that are not finite. Always with a decimal point '.', whatever the process's locale.
std::wstring FormatValue(float value);

// The text as the user meant it (MeantText: "１．５" and "1。5" are 1.5): leading blanks are
// skipped and the longest start that forms a decimal number (sign, digits, fraction, exponent)
// is read; text without one reads as 0, and so do words such as "inf" or "nan": a user types
// numbers. The result is rounded to single precision; beyond its range it is an infinity.
float ParseValue(std::wstring_view typed);

// The value a cell hands back. A value that is not finite has no decimal text: while its cell
// still shows the text it was shown with ("inf", "-inf", "nan"), it comes back as it was; any
// other text is read by ParseValue.
float ReadBackValue(float shown, std::wstring_view text);

}  // namespace core
