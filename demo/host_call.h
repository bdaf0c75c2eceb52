// The host's variables for one call of an export: what each argument after pResult is, its sample
// value, and the variables themselves, made from the texts the user typed and shown again after
// the call.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace demo {

enum class ArgKind { Int, IntArray, FloatArray, Names, Caption };

// One argument after pResult, named as in korvel.h.
struct Argument {
    ArgKind kind;
    const char* name;
    const wchar_t* sample;  // a number, numbers separated by spaces, or the string itself
    int capacity = 0;       // arrays: elements the host provides, at least as many as typed
    int lengthArg = -1;     // arrays: the argument whose value after the call says how many to show
};

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

class HostCall {
public:
    // The variables typed as `texts`, one per argument; nothing, and the index of the first text
    // that is no valid value in *badArg, when one is not. `args` must outlive the call.
    static std::optional<HostCall> Parse(const std::vector<Argument>& args, const std::vector<std::wstring>& texts,
                                         std::size_t* badArg);

    // The pointers the export is called with; argument i counts from the one after pResult.
    int* Result() noexcept { return &m_result; }
    int* Int(std::size_t i) { return &m_values.at(i).number; }
    int* Ints(std::size_t i) { return m_values.at(i).ints.data(); }
    float* Floats(std::size_t i) { return m_values.at(i).floats.data(); }
    const char* Text(std::size_t i) { return m_values.at(i).gbk.c_str(); }

    int ResultCode() const noexcept { return m_result; }
    // "pCount=5 pChoice=2 ...": every number variable. Strings are read by the library only and
    // are left out.
    std::string DescribeVariables() const;
    // "result=0 pCount=5 ...": the result code first.
    std::string Describe() const { return "result=" + std::to_string(m_result) + " " + DescribeVariables(); }
    // The variables as texts again, to show what the host holds after the call.
    std::vector<std::wstring> Texts() const;

private:
    struct Value {
        const Argument* arg = nullptr;
        int number = 0;
        std::vector<int> ints;
        std::vector<float> floats;
        std::size_t typed = 0;  // array elements typed
        std::wstring text;
        std::string gbk;
    };

    std::size_t ShownLength(const Value& value) const;
    // A number variable as typed: "5", or an array's shown elements separated by spaces.
    std::string NumberText(const Value& value) const;

    int m_result = -1;  // the library stores 0 or 1; -1 shows that nothing was stored
    std::vector<Value> m_values;
};

}  // namespace demo
