// Bitmaps read as 32-bit pixels, so colours compare as the screen shows them.
#include "library_bitmap.h"

#include "korvel_library.h"

Pixels LibraryBitmap(int id) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(KorvelLibrary::Get().Module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return Pixels{};
    BITMAP header{};
    Pixels pixels;
    if (GetObjectW(bitmap, sizeof header, &header)) {
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        pixels = CopiedPixels(dc, RECT{0, 0, header.bmWidth, header.bmHeight});
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    DeleteObject(bitmap);
    return pixels;
}

Pixels ImageOver(const Pixels& strip, int index, int size, COLORREF transparent, COLORREF background) {
    Pixels image;
    if ((index + 1) * size > strip.width || size > strip.height) return image;
    image.width = image.height = size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const COLORREF colour = strip.Pixel(index * size + x, y);
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
                    same = snapshot.Pixel(left + x, top + y) == image.Pixel(x, y);
            if (same) return POINT{left, top};
        }
    return POINT{-1, -1};
}
