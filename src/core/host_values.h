// Conversion between the host's 1-based choices and the 0-based ones inside. The arithmetic wraps
// instead of overflowing, so any host value comes back unchanged when the user leaves it alone.
#pragma once

namespace core {

constexpr int ToZeroBased(int hostValue) noexcept {
    return static_cast<int>(static_cast<unsigned>(hostValue) - 1u);
}

constexpr int ToHostBased(int value) noexcept {
    return static_cast<int>(static_cast<unsigned>(value) + 1u);
}

}  // namespace core
