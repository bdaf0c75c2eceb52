// Memory pictures: a 32-bit top-down DIB section whose bits are read as they are.
#include "pixels.h"

Pixels DrawnPixels(int width, int height, const std::function<void(HDC)>& draw) {
    Pixels pixels;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return pixels;
    }
    const HGDIOBJ old = SelectObject(dc, bitmap);
    draw(dc);
    GdiFlush();
    const auto* bgr = static_cast<const DWORD*>(bits);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    pixels.colours.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        pixels.colours.push_back(RGB((bgr[i] >> 16) & 0xFF, (bgr[i] >> 8) & 0xFF, bgr[i] & 0xFF));
    pixels.width = width;
    pixels.height = height;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

Pixels CopiedPixels(HDC source, RECT rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    bool copied = false;
    Pixels pixels = DrawnPixels(width, height, [&](HDC dc) {
        copied = BitBlt(dc, 0, 0, width, height, source, rect.left, rect.top, SRCCOPY) != FALSE;
    });
    return copied ? pixels : Pixels{};
}

Pixels ScreenPixels(RECT rect) {
    HDC screen = GetDC(nullptr);
    Pixels pixels = CopiedPixels(screen, rect);
    ReleaseDC(nullptr, screen);
    return pixels;
}
