// Pixels read back as colours: of a drawing, of what a window or the screen shows, of a bitmap.
// Every picture is drawn into, or copied into, a 32-bit memory bitmap and read from there.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;  // top row first

    // The colour at a point; CLR_INVALID outside the picture, as GetPixel answers.
    COLORREF Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
        return colours[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

// What `draw` draws into a picture of `width` by `height` pixels, black before it draws.
Pixels DrawnPixels(int width, int height, const std::function<void(HDC)>& draw);

// A rectangle of what `source` shows (a window's or the screen's device context, or one a bitmap
// is selected into); empty (width 0) when it could not be copied.
Pixels CopiedPixels(HDC source, RECT rect);

// A rectangle of the screen, in screen coordinates, as it shows now.
Pixels ScreenPixels(RECT rect);
