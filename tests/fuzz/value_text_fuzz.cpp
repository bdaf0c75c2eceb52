// Contour value text: any typed text reads without fault; a value comes back through its text of
// six significant digits; a value that is not finite comes back unchanged while its text is.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/value_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const float value = in.Take<float>();
    const std::wstring text = core::FormatValue(value);
    FUZZ_CHECK(!text.empty() && text.size() < 32);
    const float back = core::ReadBackValue(value, text);
    if (std::isfinite(value)) {
        FUZZ_CHECK(back == core::ParseValue(text));
        const double tolerance = std::fabs(static_cast<double>(value)) * 1e-5 + 1e-38;
        FUZZ_CHECK(std::isinf(back) || std::fabs(static_cast<double>(back) - value) <= tolerance);
    } else {
        FUZZ_CHECK(std::memcmp(&back, &value, sizeof value) == 0);
    }
    // Typed text: wide characters from the rest of the input.
    const std::string rest = in.Rest();
    std::wstring typed;
    for (std::size_t i = 0; i + 1 < rest.size(); i += 2)
        typed += static_cast<wchar_t>(static_cast<unsigned char>(rest[i]) | (static_cast<unsigned char>(rest[i + 1]) << 8));
    const float parsed = core::ParseValue(typed);
    FUZZ_CHECK(!std::isnan(parsed));
    const float edited = core::ReadBackValue(value, typed);
    if (typed != text) FUZZ_CHECK(std::memcmp(&edited, &parsed, sizeof parsed) == 0);
    return 0;
}
