// How the single-choice lists read a host name list: entry 0 is the heading, the count passed
// with the list includes it, and one or two names make a numbered list ("prefix1", "prefix2" ...).
#pragma once
#include <string>
#include <vector>

namespace core {

// A numbered list cannot be cut to the names given: its count is guarded here, so far beyond any
// real model's load cases, modes or combinations that only a garbage count (an uninitialised
// variable, INT_MAX) reaches it.
constexpr int kMaxNumberedItems = 1000000;

class ChoiceNames {
public:
    ChoiceNames() = default;
    // names: the split entries (at least one); count: the host's count, heading included.
    ChoiceNames(std::vector<std::wstring> names, int count);

    int Count() const noexcept { return m_count; }  // entries in use, heading included
    int ItemCount() const noexcept { return m_count > 1 ? m_count - 1 : 0; }
    bool Numbered() const noexcept { return m_numbered; }
    const std::vector<std::wstring>& Entries() const noexcept { return m_names; }

    const std::wstring& Heading() const { return m_names.front(); }
    const std::wstring& Prefix() const { return m_names[1]; }  // numbered lists only
    std::wstring ItemText(int item) const;                     // 0 <= item < ItemCount()
    // Entry i, or an empty text where the list has none (column headers).
    std::wstring EntryOrEmpty(int i) const;
    // What a numbered list is measured by: its prefix followed by `sample`, and its last item,
    // whose number is the longest.
    std::vector<std::wstring> NumberedSamples(const std::wstring& sample) const;

private:
    std::vector<std::wstring> m_names;
    int m_count = 0;
    bool m_numbered = false;
};

}  // namespace core
