// Check boxes, radios and tree marks at another size. A mark's ink (its opaque pixels) is
// measured, and the mark is drawn again with an area filter: each new pixel takes the share of
// every old pixel it covers, so a 13-pixel mark made for 96 DPI becomes a 20-pixel one at 144 DPI
// with no stroke lost and no hole, and exactly doubled at 192 DPI.
#pragma once
#include <cstdint>
#include <vector>

namespace core {

// The check box a list draws at `dpi`: 13 pixels across at 96 DPI, as many more as the DPI asks.
int CheckBoxInk(int dpi) noexcept;

// One pixel: blue, green and red already multiplied by the coverage (0 transparent, 1 opaque),
// each 0 to 255.
struct MarkPixel {
    float b = 0;
    float g = 0;
    float r = 0;
    float a = 0;
};

struct MarkImage {
    int width = 0;
    int height = 0;
    std::vector<MarkPixel> pixels;  // row by row, width * height

    MarkImage() = default;
    MarkImage(int w, int h);
    MarkPixel& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const MarkPixel& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Shown pixels are those at least half covered.
    bool IsInk(int x, int y) const { return At(x, y).a >= 0.5f; }
};

// The smallest rectangle holding every shown pixel of the images; empty (right <= left) when none
// shows. Right and bottom are exclusive.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Size() const noexcept;  // the larger of its width and height; 0 when empty
};
InkBox FindInk(const std::vector<MarkImage>& images);

// The images redrawn `width` x `height` so that the ink box `ink` of the originals becomes
// `inkSize` pixels across (its larger side), in the middle of the new image. Pixels that come out
// less than half covered are transparent; the others opaque, in their averaged colour.
std::vector<MarkImage> ScaleMarks(const std::vector<MarkImage>& images, InkBox ink, int inkSize, int width,
                                  int height);

}  // namespace core
