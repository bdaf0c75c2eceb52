// Value text without the locale: std::to_chars and std::from_chars read and write the C locale's
// forms, so a host that changed its locale still sees "0.5", never "0,5".
#include "core/value_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "core/typed_text.h"

namespace core {
namespace {

constexpr int kSignificantDigits = 6;

bool IsBlank(wchar_t c) noexcept { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// The text up to its first character that is not ASCII: no other character is part of a number.
std::string AsciiStart(std::wstring_view text) {
    std::string ascii;
    for (wchar_t c : text) {
        if (c >= 0x80) break;
        ascii += static_cast<char>(c);
    }
    return ascii;
}

// The power of ten of a decimal number's first significant digit ("0.05" gives -2, "12e3"
// gives 4): tells a number too large for a double from one too small when from_chars reports
// only that it is out of range.
long long PowerOfTen(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        // Far beyond any double's range: more digits change nothing.
        for (; i < number.size() && exponent < 1000000; ++i) exponent = exponent * 10 + (number[i] - '0');
        if (negative) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const long long position = first < point ? static_cast<long long>(point - first) - 1
                                             : -static_cast<long long>(first - point);
    return position + exponent;
}

float WithSign(float magnitude, bool negative) noexcept { return negative ? -magnitude : magnitude; }

// Rounds to single precision. A plain conversion of a double beyond the float range is
// undefined, so magnitudes that round past the largest float are made infinities here.
float ToSingle(double value) noexcept {
    constexpr double kHalfwayPastMax = 0x1.ffffffp127;  // between the largest float and 2^128
    if (std::fabs(value) >= kHalfwayPastMax)
        return WithSign(std::numeric_limits<float>::infinity(), std::signbit(value));
    return static_cast<float>(value);
}

}  // namespace

std::wstring FormatValue(float value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                                      std::chars_format::general, kSignificantDigits);
    return std::wstring(buffer.data(), result.ptr);
}

float ParseValue(std::wstring_view typed) {
    const std::wstring text = MeantText(typed);
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    const std::string ascii = AsciiStart(std::wstring_view(text).substr(start));
    std::size_t i = 0;
    const bool negative = i < ascii.size() && ascii[i] == '-';
    if (i < ascii.size() && (ascii[i] == '-' || ascii[i] == '+')) ++i;
    // A decimal number starts with a digit or a point after its sign: from_chars would also take
    // a second sign, "inf" and "nan".
    if (i == ascii.size() || !(IsDigit(ascii[i]) || ascii[i] == '.')) return 0.0f;

    double value = 0.0;
    const char* first = ascii.data() + i;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value, std::chars_format::general);
    if (error == std::errc::invalid_argument) return 0.0f;
    if (error == std::errc::result_out_of_range)
        value = PowerOfTen({first, static_cast<std::size_t>(end - first)}) > 0 ? std::numeric_limits<double>::infinity()
                                                                              : 0.0;
    return ToSingle(negative ? -value : value);
}

float ReadBackValue(float shown, std::wstring_view text) {
    if (!std::isfinite(shown) && text == FormatValue(shown)) return shown;
    return ParseValue(text);
}

}  // namespace core
