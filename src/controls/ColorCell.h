// What the lists with colour cells share: how a colour cell is drawn and how wide its column is,
// the sixteen-colour picker opened from it, and the custom colours of the colour chooser.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>

#include "platform/list_ctrl.h"

namespace color_cell {

// The width of a colour column: 80 pixels at 96 DPI.
int ColumnWidth(int dpi);

// The answer to the list's custom draw: the cells of `column` are drawn here, each with an
// outline in the DC's own pen around the colour `rowColor` gives for its row, selected or not;
// the list draws everything else.
LRESULT CustomDraw(const platform::CListCtrl& list, const NMLVCUSTOMDRAW& draw, int column,
                   const std::function<COLORREF(int)>& rowColor);

// The sixteen-colour picker, opened with `current` selected while the custom colours still hold
// it in its own slot: the base colour chosen, or nothing (cancelled, or confirmed with none).
std::optional<COLORREF> PickBaseColor(COLORREF current);

// The chooser's sixteen custom colours, shared by every list for the life of the library: the
// base palette until the user changes them in the chooser.
COLORREF* CustomColors();
// The base colour number of `color` while the custom colours still hold it in its own slot, or -1.
int FindColorNumber(COLORREF color);

}  // namespace color_cell
