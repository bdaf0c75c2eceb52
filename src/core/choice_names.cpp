// Reading of a host name list by the single-choice lists.
#include "core/choice_names.h"

#include <algorithm>
#include <utility>

namespace core {

ChoiceNames::ChoiceNames(std::vector<std::wstring> names, int count) : m_names(std::move(names)) {
    if (m_names.empty()) m_names.emplace_back();
    const int n = static_cast<int>(m_names.size());
    if (n <= 2) {
        m_numbered = true;
        // A single name is heading and prefix at once, and the count then counts the items.
        count = std::min(count, kMaxNumberedItems + (n == 1 ? 0 : 1));
        if (n == 1) {
            m_names.push_back(m_names.front());
            ++count;
        }
        m_count = count;
    } else {
        m_count = std::min(n, count);
    }
}

std::wstring ChoiceNames::ItemText(int item) const {
    if (m_numbered) return Prefix() + std::to_wstring(item + 1);
    return m_names[static_cast<std::size_t>(item) + 1];
}

std::wstring ChoiceNames::EntryOrEmpty(int i) const {
    return (i >= 0 && i < static_cast<int>(m_names.size())) ? m_names[static_cast<std::size_t>(i)]
                                                           : std::wstring();
}

std::vector<std::wstring> ChoiceNames::NumberedSamples(const std::wstring& sample) const {
    std::vector<std::wstring> samples{Prefix() + sample};
    if (ItemCount() > 0) samples.push_back(ItemText(ItemCount() - 1));
    return samples;
}

}  // namespace core
