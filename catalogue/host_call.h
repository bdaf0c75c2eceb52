// The host's variables for one call of an export: what each argument after pResult is, its sample
// value, and the variables themselves, made from texts (the samples, or what a user typed in the
// demo) and shown again after the call. "null" typed for any argument passes a null pointer, so that the library's answers to
// bad input can be tried.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace catalogue {

// ResultIn: the value *pResult holds when the call starts, for the one export that reads it.
enum class ArgKind { ResultIn, Int, IntArray, FloatArray, Names, Caption };

// One argument after pResult, named as in korvel.h.
struct Argument {
    ArgKind kind;
    const char* name;
    const wchar_t* sample;  // a number, numbers separated by spaces, or the string itself
    int capacity = 0;       // arrays: elements the host provides, at least as many as typed
    int lengthArg = -1;     // arrays: the argument whose value after the call says how many to show
};

inline Argument ResultIn(const wchar_t* sample) { return {ArgKind::ResultIn, "pResult", sample}; }
inline Argument Int(const char* name, const wchar_t* sample) { return {ArgKind::Int, name, sample}; }
inline Argument Names(const char* name, const wchar_t* sample) { return {ArgKind::Names, name, sample}; }
inline Argument Caption(const char* name, const wchar_t* sample) { return {ArgKind::Caption, name, sample}; }
inline Argument IntArray(const char* name, const wchar_t* sample, int capacity, int lengthArg = -1) {
    return {ArgKind::IntArray, name, sample, capacity, lengthArg};
}
inline Argument FloatArray(const char* name, const wchar_t* sample, int capacity, int lengthArg = -1) {
    return {ArgKind::FloatArray, name, sample, capacity, lengthArg};
}

// The samples of a list of arguments, one text each.
std::vector<std::wstring> SampleTexts(const std::vector<Argument>& args);

// A name list as the demo shows it: each "|" with a space either side, so that it stands apart
// from the Chinese characters around it. Those spaces are not part of the names: one space
// either side of a "|" is dropped before the list goes to the library (type two to keep one).
std::wstring SpacedNames(const std::wstring& names);
std::wstring UnspacedNames(const std::wstring& names);

class HostCall {
public:
    // The variables typed as `texts`, one per argument; nothing, and the index of the first text
    // that is no valid value in *badArg, when one is not. `args` must outlive the call.
    static std::optional<HostCall> Parse(const std::vector<Argument>& args, const std::vector<std::wstring>& texts,
                                         std::size_t* badArg);

    // Calls the export with a null pResult (what a ResultIn argument of "null" also does).
    void SetNullResult() noexcept { m_nullResult = true; }

    // The pointers the export is called with, null where "null" was typed; argument i counts
    // from the one after pResult.
    int* Result() noexcept { return m_nullResult ? nullptr : &m_result; }
    int* Int(std::size_t i) { return Given(i) ? &m_values[i].number : nullptr; }
    int* Ints(std::size_t i) { return Given(i) ? m_values[i].ints.data() : nullptr; }
    float* Floats(std::size_t i) { return Given(i) ? m_values[i].floats.data() : nullptr; }
    const char* Text(std::size_t i) { return Given(i) ? m_values[i].gbk.c_str() : nullptr; }

    int ResultCode() const noexcept { return m_result; }
    // "pCount=5 pChoice=2 ...": every number variable, and pResult when it is read too. Strings
    // are read by the library only and are left out.
    std::string DescribeVariables() const { return JoinVariables(true, Elements::Shown); }
    // The same with every element each array holds, also those past its count: what a test
    // compares to see that nothing was written.
    std::string DescribeEveryElement() const { return JoinVariables(true, Elements::All); }
    // "result=0 pCount=5 ...": the result code first.
    std::string Describe() const;
    // The variables as texts again, to show what the host holds after the call.
    std::vector<std::wstring> Texts() const;

private:
    struct Value {
        const Argument* arg = nullptr;
        bool null = false;  // "null" was typed: the export gets a null pointer
        int number = 0;
        std::vector<int> ints;
        std::vector<float> floats;
        std::size_t typed = 0;  // array elements typed
        std::wstring text;
        std::string gbk;
    };

    bool Given(std::size_t i) const { return !m_values.at(i).null; }
    std::string ResultText() const { return m_nullResult ? "null" : std::to_string(m_result); }
    enum class Elements { Shown, All };
    std::size_t ShownLength(const Value& value) const;
    std::string JoinVariables(bool withResultIn, Elements elements) const;
    // A number variable as typed: "5", or an array's elements separated by spaces.
    std::string NumberText(const Value& value, Elements elements = Elements::Shown) const;

    int m_result = -1;  // the library stores 0 or 1; -1 shows that nothing was stored
    bool m_nullResult = false;
    std::vector<Value> m_values;
};

}  // namespace catalogue
