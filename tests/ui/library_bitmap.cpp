// Bitmaps read as 32-bit pixels, so colours compare as the screen shows them.
#include "library_bitmap.h"

#include "korvel_library.h"

Pixels LibraryBitmap(int id) {
    Pixels pixels;
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(KorvelLibrary::Get().Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP header{};
    if (!bitmap || !GetObjectW(bitmap, sizeof header, &header)) return pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = header.bmWidth;
    info.bmiHeader.biHeight = -header.bmHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bits(static_cast<std::size_t>(header.bmWidth) * static_cast<std::size_t>(header.bmHeight));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.bmHeight), bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (rows != header.bmHeight) return pixels;
    pixels.width = header.bmWidth;
    pixels.height = header.bmHeight;
    for (DWORD bgr : bits) pixels.colours.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    return pixels;
}

Pixels ImageOver(const Pixels& strip, int index, int size, COLORREF transparent, COLORREF background) {
    Pixels image;
    if ((index + 1) * size > strip.width || size > strip.height) return image;
    image.width = image.height = size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const COLORREF colour = strip.At(index * size + x, y);
            image.colours.push_back(colour == transparent ? background : colour);
        }
    return image;
}

POINT FindImage(const ClientSnapshot& snapshot, RECT area, const Pixels& image) {
    if (image.width == 0) return POINT{-1, -1};
    for (int top = area.top; top + image.height <= area.bottom; ++top)
        for (int left = area.left; left + image.width <= area.right; ++left) {
            bool same = true;
            for (int y = 0; same && y < image.height; ++y)
                for (int x = 0; same && x < image.width; ++x)
                    same = snapshot.Pixel(left + x, top + y) == image.At(x, y);
            if (same) return POINT{left, top};
        }
    return POINT{-1, -1};
}
