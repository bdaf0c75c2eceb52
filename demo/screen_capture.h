// Copies a rectangle of the screen, as it is shown (title bars and all), into memory.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace demo {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // rows from the top, R G B per pixel, no padding
};

// Empty when the rectangle is empty or the screen cannot be read.
RgbImage CaptureScreen(const RECT& rect);

}  // namespace demo
