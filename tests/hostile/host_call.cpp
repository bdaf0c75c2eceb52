// The ten exports' arguments, calls and rules, in ordinal order. The rules are korvel.h's: on
// anything but OK only the result code is written; on OK only the documented outputs, within
// their ranges; strings are never written; nothing is read or written past an array's end.
#include "host_call.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {

constexpr int kMaxNumbered = 1000000;  // KORVEL_MAX_NUMBERED_ITEMS
constexpr int kMaxContourLines = 50;
constexpr int kNoResult = -7;  // never a result code

int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// A count as a hostile host passes it: the real one, one off, or absurd.
int RandomCount(Rng& rng, int real) {
    const int values[] = {-1, 0, 1, 2, 3, real, real + 1, 1000000000, INT_MIN, INT_MAX};
    if (Pick(rng, 0, 3) == 0) return Pick(rng, 0, real + 3);
    return values[Pick(rng, 0, 9)];
}

// Items a list of `count` entries can show: the heading is no item, a single name adds one, and
// a numbered list stops at KORVEL_MAX_NUMBERED_ITEMS, which a huge count reaches.
int MostChoices(int count) { return std::clamp(count, 0, kMaxNumbered); }

bool Within(const HostArg& a, std::size_t i, int lo, int hi) {
    const int v = a.IntNow(i);
    return v == a.IntBefore(i) || (v >= lo && v <= hi);
}

std::string Hex(const std::vector<unsigned char>& bytes, std::size_t most = 24) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && i < most; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    if (bytes.size() > most) text += "...(" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

template <class F>
F As(HMODULE korvel, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(korvel, name)));
}

using P5 = void(__cdecl*)(void*, void*, void*, void*, void*);
using P6 = void(__cdecl*)(void*, void*, void*, void*, void*, void*);
using P7 = void(__cdecl*)(void*, void*, void*, void*, void*, void*, void*);
using P8 = void(__cdecl*)(void*, void*, void*, void*, void*, void*, void*, void*);
using P3 = void(__cdecl*)(void*, void*, void*);
using P4 = void(__cdecl*)(void*, void*, void*, void*);

const char* const kNames[HostCall::kExports] = {
    "FXJG_SHOWDH_DLG",   "FXJG_SHOWND_DLG", "FXJG_SHOWWY_DLG",          "FXJG_SHOWZB_DLG",   "FXJG_SHOWZHNL_DLG",
    "FXJG_SHOWZX_DLG",   "MEMB_DESIGN_INOF_SHOWDLG", "SDP_SHOWCOLOR_DLG", "SDP_SHOWDWY_DLG", "SJJG_SHOWZF_DLG"};

}  // namespace

int HostArg::IntBefore(std::size_t i) const {
    int v = 0;
    std::memcpy(&v, before.data() + i * sizeof(int), sizeof v);
    return v;
}

int HostArg::IntNow(std::size_t i) const {
    int v = 0;
    std::memcpy(&v, static_cast<const unsigned char*>(block.Data()) + i * sizeof(int), sizeof v);
    return v;
}

HostArg& HostCall::Add(HostArg arg, bool mayBeNull, Rng* rng) {
    arg.null = mayBeNull && rng && Pick(*rng, 0, 13) == 0;
    if (arg.null) arg.block = GuardedBlock();
    arg.before = arg.Now();
    args_.push_back(std::move(arg));
    return args_.back();
}

HostArg& HostCall::Int(const char* name, int value, bool mayBeNull, Rng* rng) {
    return Ints(name, {value}, mayBeNull, rng);
}

HostArg& HostCall::Ints(const char* name, const std::vector<int>& values, bool mayBeNull, Rng* rng) {
    HostArg arg;
    arg.name = name;
    arg.block = GuardedArray(values);
    return Add(std::move(arg), mayBeNull, rng);
}

HostArg& HostCall::Text(const char* name, const std::string& text, bool mayBeNull, Rng* rng) {
    HostArg arg;
    arg.name = name;
    arg.isString = true;
    arg.block = GuardedString(text);
    return Add(std::move(arg), mayBeNull, rng);
}

HostCall::HostCall(int which, Rng& rng) : which_(which) {
    Rng* r = &rng;
    const int option = RandomCount(rng, 3);
    // FXJG_SHOWWY_DLG reads it as the count of its numbered combinations.
    Int("pResult", which == 2 ? RandomCount(rng, 5) : kNoResult, Pick(rng, 0, 2) == 0, r);
    switch (which) {
    case 0:
    case 1: {
        const std::string names = RandomNameList(rng);
        const int entries = CountEntries(names);
        const int count = RandomCount(rng, entries);
        Int("pCount", count, true, r);
        Int("pChoice", RandomCount(rng, entries), true, r);
        Int(which == 0 ? "pSpeed" : "pDeflType", option, true, r);
        Text("lpszNames", names, true, r);
        break;
    }
    case 2: {
        const std::string kinds = RandomNameList(rng), cases = RandomNameList(rng);
        const int kindCount = RandomCount(rng, CountEntries(kinds));
        const int caseCount = RandomCount(rng, CountEntries(cases));
        Int("pKindCount", kindCount, true, r);
        Int("pKind", RandomCount(rng, 4), true, r);
        Text("lpszKinds", kinds, true, r);
        Int("pCaseCount", caseCount, true, r);
        Int("pCase", RandomCount(rng, CountEntries(cases)), true, r);
        Text("lpszCases", cases, true, r);
        Text("lpszCaption", RandomNameList(rng), true, r);
        break;
    }
    case 3: {
        const std::string names = RandomNameList(rng);
        const int count = RandomCount(rng, CountEntries(names));
        Int("pCount", count, true, r);
        Int("pChoice", RandomCount(rng, CountEntries(names)), true, r);
        Text("lpszNames", names, true, r);
        Text("lpszCaption", RandomNameList(rng), true, r);
        break;
    }
    case 4:
    case 5: {
        const std::string names = RandomNameList(rng);
        const int count = RandomCount(rng, CountEntries(names));
        Int("pCount", count, true, r);
        Int("pColumns", RandomCount(rng, 4), true, r);
        Int("pChoice", RandomCount(rng, CountEntries(names)), true, r);
        if (which == 5) Int("pSpeed", option, true, r);
        Text("lpszNames", names, true, r);
        Text("lpszCaption", RandomNameList(rng), true, r);
        break;
    }
    case 6: {
        HostArg unused;  // never read: a pointer into a guard page
        unused.name = "pUnused";
        Add(std::move(unused), false, nullptr);
        std::vector<int> beams(5);
        for (int& b : beams) b = RandomCount(rng, 1);
        Ints("pBeamSwitches", beams, true, r);
        break;
    }
    case 7: {
        const std::string names = RandomNameList(rng);
        const int count = RandomCount(rng, CountEntries(names));
        std::vector<int> colors(static_cast<std::size_t>(std::clamp(count, 0, CountEntries(names))));
        for (int& c : colors) c = Pick(rng, 0, 5) == 0 ? RandomCount(rng, 16) : Pick(rng, 0, 15);
        Int("pCount", count, true, r);
        Ints("pColors", colors, true, r);
        const HostArg& list = Text("lpszNames", names, true, r);
        colorsInUse_ = std::clamp(count, 0, list.null ? 1 : CountEntries(names));  // null: one empty name
        Text("lpszCaption", RandomNameList(rng), true, r);
        break;
    }
    case 8: {
        const int count = RandomCount(rng, Pick(rng, 0, 60));
        const auto shown = static_cast<std::size_t>(std::clamp(count, 0, kMaxContourLines));
        const float odd[] = {0.0f, -0.0f, 1e38f, -1e-38f, HUGE_VALF, -HUGE_VALF, NAN, 123456.789f};
        valuesIn_.resize(shown);
        std::vector<int> colors(shown);
        for (std::size_t i = 0; i < shown; ++i) {
            valuesIn_[i] = Pick(rng, 0, 3) == 0 ? odd[Pick(rng, 0, 7)]
                                                 : std::uniform_real_distribution<float>(-1e4f, 1e4f)(rng);
            colors[i] = static_cast<int>(static_cast<unsigned>(rng()));
        }
        Int("pCount", count, true, r);
        Int("pMode", RandomCount(rng, 2), true, r);
        HostArg values;
        values.name = "pValues";
        values.block = GuardedArray(valuesIn_);
        Add(std::move(values), true, r);
        Ints("pColors", colors, true, r);
        break;
    }
    case 9: {
        const std::string groups = RandomGroupString(rng);
        const int count = RandomCount(rng, MostItems(groups));
        std::vector<int> switches(static_cast<std::size_t>(std::clamp(count, 0, MostItems(groups))));
        for (int& s : switches) s = Pick(rng, 0, 4) == 0 ? RandomCount(rng, 2) : Pick(rng, 0, 1);
        Int("pCount", count, true, r);
        Ints("pSwitches", switches, true, r);
        Text("lpszGroups", groups, true, r);
        break;
    }
    default:
        break;
    }
}

HostCall HostCall::Sample(int which) {
    HostCall call;
    call.which_ = which;
    const std::string cases = "\xb9\xa4\xbf\xf6|\xba\xe3\xd4\xd8|\xbb\xee\xd4\xd8|\xb7\xe7\xd4\xd8";  // 工况|恒载|活载|风载
    call.Int("pResult", which == 2 ? 0 : kNoResult, false, nullptr);
    switch (which) {
    case 0:
    case 1:
        call.Ints("pCount", {4}, false, nullptr);
        call.Ints("pChoice", {1}, false, nullptr);
        call.Ints("pOption", {1}, false, nullptr);
        call.Text("lpszNames", cases, false, nullptr);
        break;
    case 2:
        call.Ints("pKindCount", {4}, false, nullptr);
        call.Ints("pKind", {1}, false, nullptr);
        call.Text("lpszKinds", cases, false, nullptr);
        call.Ints("pCaseCount", {4}, false, nullptr);
        call.Ints("pCase", {1}, false, nullptr);
        call.Text("lpszCases", cases, false, nullptr);
        call.Text("lpszCaption", "WY", false, nullptr);
        break;
    case 3:
        call.Ints("pCount", {4}, false, nullptr);
        call.Ints("pChoice", {1}, false, nullptr);
        call.Text("lpszNames", cases, false, nullptr);
        call.Text("lpszCaption", "ZB", false, nullptr);
        break;
    case 4:
    case 5:
        call.Ints("pCount", {4}, false, nullptr);
        call.Ints("pColumns", {2}, false, nullptr);
        call.Ints("pChoice", {1}, false, nullptr);
        if (which == 5) call.Ints("pSpeed", {1}, false, nullptr);
        call.Text("lpszNames", cases, false, nullptr);
        call.Text("lpszCaption", "GRID", false, nullptr);
        break;
    case 6: {
        HostArg unused;
        unused.name = "pUnused";
        call.Add(std::move(unused), false, nullptr);
        call.Ints("pBeamSwitches", {1, 0, 1, 0, 1}, false, nullptr);
        break;
    }
    case 7:
        call.Ints("pCount", {4}, false, nullptr);
        call.Ints("pColors", {0, 3, 9, 12}, false, nullptr);
        call.colorsInUse_ = 4;
        call.Text("lpszNames", cases, false, nullptr);
        call.Text("lpszCaption", "CLR", false, nullptr);
        break;
    case 8: {
        call.valuesIn_ = {1.5f, 2.5f, 3.5f};
        call.Ints("pCount", {3}, false, nullptr);
        call.Ints("pMode", {1}, false, nullptr);
        HostArg values;
        values.name = "pValues";
        values.block = GuardedArray(call.valuesIn_);
        call.Add(std::move(values), false, nullptr);
        call.Ints("pColors", {0xFF, 0xFF00, 0xFF0000}, false, nullptr);
        break;
    }
    case 9:
        call.Ints("pCount", {5}, false, nullptr);
        call.Ints("pSwitches", {1, 1, 0, 0, 1}, false, nullptr);
        call.Text("lpszGroups", "{\xc1\xba|A|B}{\xd6\xf9|C}", false, nullptr);  // {梁|A|B}{柱|C}
        break;
    default:
        break;
    }
    return call;
}

const char* HostCall::ExportName() const { return kNames[which_]; }

void HostCall::Invoke(HMODULE korvel) const {
    std::vector<void*> p;
    for (const HostArg& a : args_) p.push_back(a.Ptr());
    // The unused argument of MEMB_DESIGN_INOF_SHOWDLG points into a page nobody may touch.
    if (which_ == 6 && !args_[0].null) p[1] = static_cast<unsigned char*>(args_[0].block.Data()) + sizeof(int);
    const char* name = ExportName();
    switch (p.size()) {
    case 3: As<P3>(korvel, name)(p[0], p[1], p[2]); break;
    case 4: As<P4>(korvel, name)(p[0], p[1], p[2], p[3]); break;
    case 5: As<P5>(korvel, name)(p[0], p[1], p[2], p[3], p[4]); break;
    case 6: As<P6>(korvel, name)(p[0], p[1], p[2], p[3], p[4], p[5]); break;
    case 7: As<P7>(korvel, name)(p[0], p[1], p[2], p[3], p[4], p[5], p[6]); break;
    case 8: As<P8>(korvel, name)(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]); break;
    default: break;
    }
}

std::string HostCall::Check() const {
    for (const HostArg& a : args_)
        if (!a.null && !a.block.CanaryIntact()) return "written before the start of " + a.name;
    for (const HostArg& a : args_)
        if (a.isString && a.Changed()) return "string " + a.name + " written";
    const HostArg& result = args_[0];
    const bool allowsTwo = which_ == 8;
    if (result.null || !(result.IntNow() == 0 || result.IntNow() == 1 || (allowsTwo && result.IntNow() == 2))) {
        for (std::size_t i = 1; i < args_.size(); ++i)
            if (args_[i].Changed()) return args_[i].name + " written with no result to report";
        return result.null ? "" : "result " + std::to_string(result.IntNow()) + " is no result code";
    }
    if (result.IntNow() == 1) {
        for (std::size_t i = 1; i < args_.size(); ++i)
            if (args_[i].Changed()) return args_[i].name + " written with result 1";
        return "";
    }
    return CheckOutputs(result.IntNow());
}

std::string HostCall::CheckOutputs(int result) const {
    // Which arguments may change on OK, and within what.
    auto unchanged = [&](std::size_t i) { return !args_[i].Changed(); };
    auto fail = [&](std::size_t i) { return args_[i].name + " out of range: " + std::to_string(args_[i].IntNow()); };
    auto choiceOk = [&](std::size_t i, int most) { return Within(args_[i], 0, 1, most); };
    auto optionOk = [&](std::size_t i) { return Within(args_[i], 0, 0, 3); };
    switch (which_) {
    case 0:
    case 1:
        if (!unchanged(1)) return fail(1);
        if (!choiceOk(2, MostChoices(args_[1].IntNow()))) return fail(2);
        if (!optionOk(3)) return fail(3);
        return "";
    case 2: {
        if (!unchanged(1)) return fail(1);
        if (!unchanged(4)) return fail(4);
        if (!choiceOk(2, MostChoices(args_[1].IntNow()))) return fail(2);
        const int most = std::max({MostChoices(args_[4].IntNow()), 12, MostChoices(args_[0].IntBefore())});
        if (!choiceOk(5, most)) return fail(5);
        return "";
    }
    case 3:
        if (!unchanged(1)) return fail(1);
        if (!choiceOk(2, MostChoices(args_[1].IntNow()))) return fail(2);
        return "";
    case 4:
    case 5:
        if (!unchanged(1)) return fail(1);
        if (!unchanged(2)) return fail(2);
        if (!choiceOk(3, MostChoices(args_[1].IntNow()))) return fail(3);
        if (which_ == 5 && !optionOk(4)) return fail(4);
        return "";
    case 6: {
        const HostArg& beams = args_[2];
        if (beams.null) return "";
        if (beams.IntNow(0) != beams.IntBefore(0)) return "the beam list's heading switch written";
        for (std::size_t i = 1; i < 5; ++i)
            if (!Within(beams, i, 0, 1)) return "beam switch " + std::to_string(i) + " is " + std::to_string(beams.IntNow(i));
        return "";
    }
    case 7: {
        if (!unchanged(1)) return fail(1);
        const HostArg& colors = args_[2];
        for (std::size_t i = 0; i < colors.Ints(); ++i) {
            const bool inUse = static_cast<int>(i) < colorsInUse_;
            if (inUse && (colors.IntNow(i) < 0 || colors.IntNow(i) > 15))
                return "colour number " + std::to_string(colors.IntNow(i)) + " in entry " + std::to_string(i);
            if (!inUse && colors.IntNow(i) != colors.IntBefore(i)) return "colour entry " + std::to_string(i) + " beyond the count written";
        }
        return "";
    }
    case 8: {
        if (!unchanged(2)) return fail(2);
        const int countIn = args_[1].IntBefore(), countNow = args_[1].IntNow();
        if (result == 2) {
            if (countNow < 1 || countNow > kMaxContourLines) return fail(1);
            if (!unchanged(3) || !unchanged(4)) return "lines written with result 2";
            return "";
        }
        if (countIn < 0 ? countNow != countIn : countNow != std::min(countIn, kMaxContourLines)) return fail(1);
        const HostArg& colors = args_[4];
        for (std::size_t i = 0; i < colors.Ints(); ++i)
            if (colors.IntNow(i) != colors.IntBefore(i) && (static_cast<unsigned>(colors.IntNow(i)) >> 24) != 0)
                return "colour with a high byte";
        return "";
    }
    case 9: {
        if (!unchanged(1)) return fail(1);
        const HostArg& switches = args_[2];
        for (std::size_t i = 0; i < switches.Ints(); ++i)
            if (!Within(switches, i, 0, 1)) return "switch " + std::to_string(i) + " is " + std::to_string(switches.IntNow(i));
        return "";
    }
    default:
        return "";
    }
}

std::string HostCall::Describe() const {
    std::ostringstream line;
    line << ExportName() << "(";
    for (std::size_t i = 0; i < args_.size(); ++i) {
        const HostArg& a = args_[i];
        line << (i ? ", " : "") << a.name << "=";
        if (a.null) line << "null";
        else if (a.isString) line << "\"" << Hex(a.before) << "\"";
        else if (a.before.size() == sizeof(int)) line << a.IntBefore();
        else line << "[" << a.Ints() << " entries]";
    }
    line << ")";
    return line.str();
}
