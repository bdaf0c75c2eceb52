// The library's bitmaps as it carries them, and finding their images in what a control drew:
// the tests compare the drawing with the library's own bitmap, never with a copy of its art.
#pragma once
#include <windows.h>

#include "client_snapshot.h"
#include "pixels.h"

// Bitmap `id` from the loaded library's resources; empty (width 0) when it has none.
Pixels LibraryBitmap(int id);

// Image `index` of a strip of images `size` pixels square, each `transparent` pixel replaced by
// `background`: the image as a control draws it over that background.
Pixels ImageOver(const Pixels& strip, int index, int size, COLORREF transparent, COLORREF background);

// The top left of the first place inside `area` of the snapshot where `image` is drawn exactly;
// {-1, -1} when it is nowhere there.
POINT FindImage(const ClientSnapshot& snapshot, RECT area, const Pixels& image);
