// What the case list of the displacement dialog shows in combination mode, for each choice of its
// kind list: the host's cases, the twelve target combinations, or the numbered combinations.
#pragma once
#include <string_view>

namespace core {

enum class CaseSource {
    HostCases,             // the host's name list and count
    TargetCombinations,    // kTargetCombinationNames, kTargetCombinationCount entries
    NumberedCombinations,  // kCombinationNames, numbered up to the host's combination count
    Unchanged,             // no new data: the list is rebuilt from what it was last given
};

// kind: the kind list's 0-based choice.
constexpr CaseSource CaseSourceOfKind(int kind) noexcept {
    switch (kind) {
    case 0: return CaseSource::HostCases;
    case 1: return CaseSource::TargetCombinations;
    case 2: return CaseSource::NumberedCombinations;
    default: return CaseSource::Unchanged;
    }
}

// The heading and the twelve target combinations, in the order their numbers come back.
inline constexpr std::wstring_view kTargetCombinationNames =
    L"选择目标组合|Fxmin组合|Fymin组合|Fzmin组合|Mxmin组合|Mymin组合|Mzmin组合|Fxmax组合|Fymax组合|Fzmax组合|"
    L"Mxmax组合|Mymax组合|Mzmax组合";
inline constexpr int kTargetCombinationCount = 13;  // the heading included

// The heading and the prefix of the numbered combinations: "组合1", "组合2", ...
inline constexpr std::wstring_view kCombinationNames = L"选择组合|组合";

}  // namespace core
