// Parsing the typed values into host variables and describing them after the call.
#include "catalogue/host_call.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <cwctype>

#include <windows.h>

#include "platform/gbk_text.h"

namespace catalogue {
namespace {

bool IsSeparator(wchar_t c) { return std::iswspace(static_cast<wint_t>(c)) || c == L',' || c == L';'; }

std::vector<std::wstring> Words(const std::wstring& text) {
    std::vector<std::wstring> words;
    std::wstring word;
    for (wchar_t c : text + L' ') {
        if (!IsSeparator(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool ParseInt(const std::wstring& word, int& value) {
    wchar_t* end = nullptr;
    errno = 0;
    const long parsed = std::wcstol(word.c_str(), &end, 10);
    if (end == word.c_str() || *end != L'\0' || errno == ERANGE) return false;
    if (parsed < -2147483647L - 1 || parsed > 2147483647L) return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseFloat(const std::wstring& word, float& value) {
    wchar_t* end = nullptr;
    errno = 0;
    const float parsed = std::wcstof(word.c_str(), &end);
    if (end == word.c_str() || *end != L'\0' || errno == ERANGE) return false;
    value = parsed;
    return true;
}

// A whole text as one integer, spaces around it allowed.
bool ParseSingleInt(const std::wstring& text, int& value) {
    const std::vector<std::wstring> words = Words(text);
    return words.size() == 1 && ParseInt(words[0], value);
}

// "null", in any case and with spaces around it.
bool IsNullText(const std::wstring& text) {
    const std::vector<std::wstring> words = Words(text);
    if (words.size() != 1 || words[0].size() != 4) return false;
    std::wstring word = words[0];
    for (wchar_t& c : word) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return word == L"null";
}

template <class T, class ParseOne>
bool ParseArray(const std::wstring& text, std::size_t capacity, std::vector<T>& values, std::size_t& typed,
                ParseOne parseOne) {
    const std::vector<std::wstring> words = Words(text);
    values.assign(std::max(capacity, words.size()), T{});
    typed = words.size();
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!parseOne(words[i], values[i])) return false;
    }
    return true;
}

std::string FormatFloat(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    return buffer;
}

template <class T, class Format>
std::string JoinArray(const std::vector<T>& values, std::size_t length, Format format) {
    std::string joined;
    for (std::size_t i = 0; i < length && i < values.size(); ++i) {
        if (i > 0) joined += ' ';
        joined += format(values[i]);
    }
    return joined;
}

}  // namespace

std::vector<std::wstring> SampleTexts(const std::vector<Argument>& args) {
    std::vector<std::wstring> texts;
    for (const Argument& arg : args) texts.push_back(arg.kind == ArgKind::Names ? SpacedNames(arg.sample) : arg.sample);
    return texts;
}

std::wstring SpacedNames(const std::wstring& names) {
    std::wstring spaced;
    for (wchar_t c : names) {
        if (c == L'|') {
            spaced += L" | ";
        } else {
            spaced += c;
        }
    }
    return spaced;
}

std::wstring UnspacedNames(const std::wstring& names) {
    std::wstring plain;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] != L'|') {
            plain += names[i];
            continue;
        }
        if (!plain.empty() && plain.back() == L' ') plain.pop_back();
        plain += L'|';
        if (i + 1 < names.size() && names[i + 1] == L' ') ++i;
    }
    return plain;
}

std::optional<HostCall> HostCall::Parse(const std::vector<Argument>& args, const std::vector<std::wstring>& texts,
                                        std::size_t* badArg) {
    HostCall call;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring text = i < texts.size() ? texts[i] : std::wstring();
        Value value;
        value.arg = &args[i];
        value.text = text;
        const std::size_t capacity = static_cast<std::size_t>(std::max(args[i].capacity, 0));
        bool ok = true;
        value.null = IsNullText(text);
        if (!value.null) {
            switch (args[i].kind) {
            case ArgKind::ResultIn:
            case ArgKind::Int: ok = ParseSingleInt(text, value.number); break;
            case ArgKind::IntArray: ok = ParseArray(text, capacity, value.ints, value.typed, ParseInt); break;
            case ArgKind::FloatArray: ok = ParseArray(text, capacity, value.floats, value.typed, ParseFloat); break;
            case ArgKind::Names: value.gbk = platform::ToGbk(UnspacedNames(text)); break;
            case ArgKind::Caption: value.gbk = platform::ToGbk(text); break;
            }
        }
        if (!ok) {
            if (badArg) *badArg = i;
            return std::nullopt;
        }
        if (args[i].kind == ArgKind::ResultIn) {
            call.m_result = value.number;
            call.m_nullResult = value.null;
        }
        call.m_values.push_back(std::move(value));
    }
    return call;
}

std::size_t HostCall::ShownLength(const Value& value) const {
    const int lengthArg = value.arg->lengthArg;
    if (lengthArg < 0 || static_cast<std::size_t>(lengthArg) >= m_values.size()) return value.typed;
    const Value& counter = m_values[static_cast<std::size_t>(lengthArg)];
    if (counter.null) return value.typed;
    const int length = counter.number;
    return length < 0 ? 0 : static_cast<std::size_t>(length);
}

std::string HostCall::NumberText(const Value& value, Elements elements) const {
    if (value.null) return "null";
    const auto length = [&](std::size_t held) { return elements == Elements::All ? held : ShownLength(value); };
    switch (value.arg->kind) {
    case ArgKind::ResultIn:
    case ArgKind::Int: return std::to_string(value.number);
    case ArgKind::IntArray: return JoinArray(value.ints, length(value.ints.size()), [](int v) { return std::to_string(v); });
    case ArgKind::FloatArray: return JoinArray(value.floats, length(value.floats.size()), FormatFloat);
    case ArgKind::Names:
    case ArgKind::Caption: break;
    }
    return {};
}

std::string HostCall::Describe() const {
    const std::string variables = JoinVariables(false, Elements::Shown);
    return "result=" + ResultText() + (variables.empty() ? "" : " " + variables);
}

std::string HostCall::JoinVariables(bool withResultIn, Elements elements) const {
    std::string line;
    for (const Value& value : m_values) {
        const ArgKind kind = value.arg->kind;
        if (kind == ArgKind::Names || kind == ArgKind::Caption) continue;
        if (kind == ArgKind::ResultIn && !withResultIn) continue;
        if (!line.empty()) line += ' ';
        const bool array = kind == ArgKind::IntArray || kind == ArgKind::FloatArray;
        line += std::string(value.arg->name) + "=" + (array ? "[" + NumberText(value, elements) + "]" : NumberText(value));
    }
    return line;
}

std::vector<std::wstring> HostCall::Texts() const {
    std::vector<std::wstring> texts;
    for (const Value& value : m_values) {
        // What was typed stays for texts, and for pResult's value in: the next call reads it again.
        const ArgKind kind = value.arg->kind;
        const bool typed = kind == ArgKind::Names || kind == ArgKind::Caption || kind == ArgKind::ResultIn;
        texts.push_back(typed ? value.text : platform::Decode(CP_UTF8, NumberText(value)));
    }
    return texts;
}

}  // namespace catalogue
