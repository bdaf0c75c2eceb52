// One call of one export as a hostile host makes it: random arguments, each in its own guarded
// block (or null), and the checks of what the export may have written afterwards.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "guarded.h"
#include "host_text.h"

// One argument: an int, an array or a string of the host, or null.
struct HostArg {
    std::string name;
    GuardedBlock block;  // empty when null
    bool null = false;
    bool isString = false;
    std::vector<unsigned char> before;

    void* Ptr() const { return null ? nullptr : block.Data(); }
    std::vector<unsigned char> Now() const { return null ? std::vector<unsigned char>{} : block.Bytes(); }
    bool Changed() const { return Now() != before; }
    int IntBefore(std::size_t i = 0) const;
    int IntNow(std::size_t i = 0) const;
    std::size_t Ints() const { return before.size() / sizeof(int); }
};

class HostCall {
public:
    // A call of export `which` (0...9, ordinal order) made from `rng`.
    HostCall(int which, Rng& rng);
    // The soak's call: sample arguments that open the dialog normally.
    static HostCall Sample(int which);

    const char* ExportName() const;
    void Invoke(HMODULE korvel) const;
    // Empty when what the export wrote is allowed; else what is wrong.
    std::string Check() const;
    int Result() const { return args_[0].null ? -1 : args_[0].IntNow(); }
    bool ResultGiven() const { return !args_[0].null; }
    // The arguments in one line, for the failure report.
    std::string Describe() const;

    static constexpr int kExports = 10;

private:
    HostCall() = default;
    HostArg& Int(const char* name, int value, bool mayBeNull, Rng* rng);
    HostArg& Ints(const char* name, const std::vector<int>& values, bool mayBeNull, Rng* rng);
    HostArg& Text(const char* name, const std::string& text, bool mayBeNull, Rng* rng);
    HostArg& Add(HostArg arg, bool mayBeNull, Rng* rng);
    std::string CheckOutputs(int result) const;

    int which_ = 0;
    std::vector<HostArg> args_;
    std::vector<float> valuesIn_;  // SDP_SHOWDWY_DLG's values, as given
    int colorsInUse_ = 0;          // SDP_SHOWCOLOR_DLG's entries read and written on OK
};
