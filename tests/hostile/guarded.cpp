// Page-aligned blocks with a no-access page after the data; a registry of live blocks so that the
// fault handler can tell a stray access of the library from any other fault.
#include "guarded.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <utility>

namespace {

constexpr unsigned char kCanary = 0xA5;

std::size_t PageSize() {
    static const std::size_t size = [] {
        SYSTEM_INFO info{};
        GetSystemInfo(&info);
        return static_cast<std::size_t>(info.dwPageSize);
    }();
    return size;
}

std::mutex g_liveMutex;
std::set<const GuardedBlock*> g_live;

}  // namespace

GuardedBlock::GuardedBlock(std::size_t bytes) : m_bytes(bytes) {
    const std::size_t page = PageSize();
    m_committed = (bytes + 64 + page - 1) / page * page;  // at least 64 canary bytes
    m_base = static_cast<unsigned char*>(VirtualAlloc(nullptr, m_committed + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    VirtualProtect(m_base + m_committed, page, PAGE_NOACCESS, &old);
    m_data = m_base + m_committed - bytes;
    std::memset(m_base, kCanary, m_committed - bytes);
    std::lock_guard<std::mutex> lock(g_liveMutex);
    g_live.insert(this);
}

GuardedBlock::GuardedBlock(const void* data, std::size_t bytes) : GuardedBlock(bytes) {
    if (bytes) std::memcpy(m_data, data, bytes);
}

GuardedBlock::~GuardedBlock() { Release(); }

GuardedBlock::GuardedBlock(GuardedBlock&& other) noexcept { *this = std::move(other); }

GuardedBlock& GuardedBlock::operator=(GuardedBlock&& other) noexcept {
    if (this == &other) return *this;
    Release();
    std::lock_guard<std::mutex> lock(g_liveMutex);
    m_base = std::exchange(other.m_base, nullptr);
    m_committed = std::exchange(other.m_committed, 0);
    m_data = std::exchange(other.m_data, nullptr);
    m_bytes = std::exchange(other.m_bytes, 0);
    g_live.erase(&other);
    if (m_base) g_live.insert(this);
    return *this;
}

void GuardedBlock::Release() noexcept {
    if (!m_base) return;
    {
        std::lock_guard<std::mutex> lock(g_liveMutex);
        g_live.erase(this);
    }
    VirtualFree(m_base, 0, MEM_RELEASE);
    m_base = nullptr;
    m_data = nullptr;
}

std::vector<unsigned char> GuardedBlock::Bytes() const { return std::vector<unsigned char>(m_data, m_data + m_bytes); }

bool GuardedBlock::CanaryIntact() const {
    return std::all_of(m_base, m_data, [](unsigned char b) { return b == kCanary; });
}

bool GuardedBlock::InGuardPage(const void* address) const noexcept {
    const auto* a = static_cast<const unsigned char*>(address);
    return m_base && a >= m_base + m_committed && a < m_base + m_committed + PageSize();
}

bool IsGuardPageAddress(const void* address) noexcept {
    std::lock_guard<std::mutex> lock(g_liveMutex);
    return std::any_of(g_live.begin(), g_live.end(), [&](const GuardedBlock* b) { return b->InGuardPage(address); });
}
