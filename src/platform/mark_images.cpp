// Marks read from an image list as coverage and colour, scaled in core, and written back.
#include "platform/mark_images.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/mark_image.h"

namespace platform {
namespace {

// A 32-bit top-down bitmap whose pixels the library reads and writes directly.
struct PixelStrip {
    UniqueMemoryDc dc;
    UniqueBitmap bitmap;
    DWORD* bits = nullptr;
    HGDIOBJ previous = nullptr;
    int width = 0;

    PixelStrip(int w, int h) : dc(CreateCompatibleDC(nullptr)), width(w) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
        bits = static_cast<DWORD*>(pixels);
        if (dc && bitmap) previous = SelectObject(dc.get(), bitmap.get());
    }
    ~PixelStrip() {
        if (previous) SelectObject(dc.get(), previous);
    }
    PixelStrip(const PixelStrip&) = delete;
    PixelStrip& operator=(const PixelStrip&) = delete;
    bool Ok() const { return bits && previous; }
    DWORD& At(int x, int y) const { return bits[static_cast<std::size_t>(y) * width + x]; }
};

float Channel(DWORD pixel, int shift) { return static_cast<float>((pixel >> shift) & 0xFF); }

// Each image drawn over black and over white: what differs is how much of the background it
// covers, what it draws over black is its colour times that coverage.
std::vector<core::MarkImage> ReadMarks(HIMAGELIST images) {
    int cx = 0;
    int cy = 0;
    const int count = ImageList_GetImageCount(images);
    if (!ImageList_GetIconSize(images, &cx, &cy) || count <= 0 || cx <= 0 || cy <= 0) return {};
    PixelStrip overBlack(cx * count, cy);
    PixelStrip overWhite(cx * count, cy);
    if (!overBlack.Ok() || !overWhite.Ok()) return {};
    std::fill(overBlack.bits, overBlack.bits + static_cast<std::size_t>(cx) * count * cy, 0x000000u);
    std::fill(overWhite.bits, overWhite.bits + static_cast<std::size_t>(cx) * count * cy, 0xFFFFFFu);
    for (int i = 0; i < count; ++i) {
        ImageList_Draw(images, i, overBlack.dc.get(), i * cx, 0, ILD_TRANSPARENT);
        ImageList_Draw(images, i, overWhite.dc.get(), i * cx, 0, ILD_TRANSPARENT);
    }
    GdiFlush();
    std::vector<core::MarkImage> marks;
    for (int i = 0; i < count; ++i) {
        core::MarkImage mark(cx, cy);
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < cx; ++x) {
                const DWORD black = overBlack.At(i * cx + x, y);
                const DWORD white = overWhite.At(i * cx + x, y);
                float uncovered = 0;
                for (int shift : {0, 8, 16}) uncovered += Channel(white, shift) - Channel(black, shift);
                const float coverage = std::clamp(1.0f - uncovered / (3 * 255.0f), 0.0f, 1.0f);
                mark.At(x, y) = core::MarkPixel{Channel(black, 0), Channel(black, 8), Channel(black, 16), coverage};
            }
        }
        marks.push_back(std::move(mark));
    }
    return marks;
}

BYTE Byte(float value) { return static_cast<BYTE>(std::lround(std::clamp(value, 0.0f, 255.0f))); }

// An image list of the marks, each pixel shown or transparent (the mask).
UniqueImageList WriteMarks(const std::vector<core::MarkImage>& marks) {
    if (marks.empty()) return {};
    const int cx = marks[0].width;
    const int cy = marks[0].height;
    const int count = static_cast<int>(marks.size());
    UniqueImageList list(ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, count, 0));
    PixelStrip colours(cx * count, cy);
    PixelStrip mask(cx * count, cy);
    if (!list || !colours.Ok() || !mask.Ok()) return {};
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < cx; ++x) {
                const core::MarkPixel& p = marks[static_cast<std::size_t>(i)].At(x, y);
                const bool shown = p.a >= 0.5f;
                // Black where transparent: the list draws the mask, then the image over it.
                colours.At(i * cx + x, y) = shown ? RGB(Byte(p.b), Byte(p.g), Byte(p.r)) : 0;
                mask.At(i * cx + x, y) = shown ? 0x000000u : 0xFFFFFFu;
            }
        }
    }
    GdiFlush();
    // Out of the DCs before the list copies them.
    const HBITMAP colourBitmap = colours.bitmap.get();
    const HBITMAP maskBitmap = mask.bitmap.get();
    SelectObject(colours.dc.get(), colours.previous);
    SelectObject(mask.dc.get(), mask.previous);
    colours.previous = mask.previous = nullptr;
    if (ImageList_Add(list.get(), colourBitmap, maskBitmap) < 0) return {};
    return list;
}

}  // namespace

UniqueImageList MarksForDpi(HIMAGELIST source, int dpi, int cell, int firstShown) {
    const std::vector<core::MarkImage> marks = ReadMarks(source);
    if (firstShown < 0 || firstShown >= static_cast<int>(marks.size())) return {};
    const core::InkBox ink = core::FindInk({marks.begin() + firstShown, marks.end()});
    const int wanted = core::CheckBoxInk(dpi);
    if (ink.Size() == 0 || std::abs(ink.Size() - wanted) <= 1) return {};
    if (cell <= 0) cell = static_cast<int>(std::lround(static_cast<double>(marks[0].width) * wanted / ink.Size()));
    return WriteMarks(core::ScaleMarks(marks, ink, wanted, std::max(cell, wanted), std::max(cell, wanted)));
}

}  // namespace platform
