// The words of the contour values dialog: the mode word (equal displacement or equal stress)
// in its label, its value heading and its line names, and the cap on the number of lines.
#pragma once
#include <string>

namespace core {

constexpr int kMaxContourLines = 50;

// The host's number of lines as shown: none for a negative count, at most kMaxContourLines.
int ContourLineCount(int hostCount) noexcept;

// "等位移" for mode 1, "等应力" for any other mode.
std::wstring ContourModeWord(int mode);
// "等位移线1" ...: the mode word, "线" and the 1-based line number.
std::wstring ContourLineName(int mode, int line);
// "等位移值", the heading of the value column.
std::wstring ContourValueHeading(int mode);
// "等位移值个数(<50)", the label of the count box.
std::wstring ContourCountLabel(int mode);

}  // namespace core
