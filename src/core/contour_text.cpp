// Contour dialog words.
#include "core/contour_text.h"

#include <algorithm>

namespace core {

int ContourLineCount(int hostCount) noexcept { return std::clamp(hostCount, 0, kMaxContourLines); }

std::wstring ContourModeWord(int mode) { return mode == 1 ? L"等位移" : L"等应力"; }

std::wstring ContourLineName(int mode, int line) { return ContourModeWord(mode) + L"线" + std::to_wstring(line); }

std::wstring ContourValueHeading(int mode) { return ContourModeWord(mode) + L"值"; }

std::wstring ContourCountLabel(int mode) { return ContourModeWord(mode) + L"值个数(<50)"; }

}  // namespace core
