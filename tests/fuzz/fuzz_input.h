// Reads typed values off the front of a fuzzer's input; past the end it gives zeros.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) noexcept : m_data(data), m_size(size) {}

    template <class T>
    T Take() noexcept {
        T value{};
        const std::size_t n = m_size < sizeof value ? m_size : sizeof value;
        if (n) std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }
    // A small number in 0...most.
    int Small(int most) noexcept { return most > 0 ? static_cast<int>(Take<std::uint8_t>() % (most + 1)) : 0; }
    bool Empty() const noexcept { return m_size == 0; }
    // Everything left, as bytes.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(m_data), m_size);
        m_data += m_size;
        m_size = 0;
        return rest;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// Stops the run with the fuzzer's crash report when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                         \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                             \
        }                                                                             \
    } while (0)
