// Host memory as a careless host lays it out: each variable, array or string ends exactly where a
// committed page ends, the next page is PAGE_NOACCESS, and a canary fills the page before it. A
// read or write past the end faults at once; a write before the start breaks the canary.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

class GuardedBlock {
public:
    GuardedBlock() = default;
    explicit GuardedBlock(std::size_t bytes);
    GuardedBlock(const void* data, std::size_t bytes);
    ~GuardedBlock();
    GuardedBlock(GuardedBlock&& other) noexcept;
    GuardedBlock& operator=(GuardedBlock&& other) noexcept;
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    void* Data() const noexcept { return m_data; }
    std::size_t Size() const noexcept { return m_bytes; }
    // The bytes as they are now.
    std::vector<unsigned char> Bytes() const;
    // True while every byte before the data on its pages still holds the canary.
    bool CanaryIntact() const;
    // Whether `address` lies in this block's no-access page.
    bool InGuardPage(const void* address) const noexcept;

private:
    void Release() noexcept;
    unsigned char* m_base = nullptr;  // start of the reservation
    std::size_t m_committed = 0;      // bytes before the guard page
    unsigned char* m_data = nullptr;
    std::size_t m_bytes = 0;
};

// Typed views.
template <class T>
GuardedBlock GuardedArray(const std::vector<T>& values) {
    return GuardedBlock(values.data(), values.size() * sizeof(T));
}
inline GuardedBlock GuardedString(const std::string& text) { return GuardedBlock(text.c_str(), text.size() + 1); }

// Faults in a guard page: set by the vectored handler, so a stray access is reported with the
// call that made it instead of being swallowed by a handler further up.
bool IsGuardPageAddress(const void* address) noexcept;
