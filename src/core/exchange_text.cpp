// Integer reading and prompt filling of the data exchange.
#include "core/exchange_text.h"

#include <climits>

#include "core/typed_text.h"

namespace core {
namespace {
bool IsBlank(wchar_t c) noexcept { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) noexcept { return c >= L'0' && c <= L'9'; }
}  // namespace

bool ParseInteger(std::wstring_view typed, int& value) {
    const std::wstring text = MeantText(typed);
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == L'-';
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) ++i;
    if (i == text.size() || !IsDigit(text[i])) return false;
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i != text.size()) return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    value = static_cast<int>(signedValue > INT_MAX ? INT_MAX : signedValue);
    return true;
}

std::wstring FormatPrompt(std::wstring_view prompt, const std::vector<std::wstring>& arguments) {
    std::wstring text;
    for (std::size_t i = 0; i < prompt.size(); ++i) {
        const std::size_t argument = i + 1 < prompt.size() && prompt[i + 1] >= L'1'
                                         ? static_cast<std::size_t>(prompt[i + 1] - L'1')
                                         : arguments.size();
        if (prompt[i] == L'%' && argument < arguments.size()) {
            text += arguments[argument];
            ++i;
        } else {
            text += prompt[i];
        }
    }
    return text;
}

}  // namespace core
