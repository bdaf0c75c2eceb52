// Colour cells: their drawing, their column's width, the picker and the shared custom colours.
#include "controls/ColorCell.h"

#include <algorithm>
#include <array>

#include "controls/SDP_SelectColor.h"
#include "core/dpi_scale.h"
#include "core/palette.h"
#include "platform/handles.h"

namespace color_cell {
namespace {

constexpr int kColumnWidthAt96 = 80;

constexpr std::array<COLORREF, core::kColorCount> BasePaletteColors() {
    std::array<COLORREF, core::kColorCount> colors{};
    for (std::size_t i = 0; i < colors.size(); ++i) colors[i] = core::kBasePalette[i];
    return colors;
}

std::array<COLORREF, core::kColorCount> g_customColors = BasePaletteColors();

void DrawCell(const platform::CListCtrl& list, HDC dc, int row, int subItem, COLORREF color) {
    RECT cell{};
    list.GetSubItemRect(row, subItem, LVIR_BOUNDS, cell);
    --cell.bottom;
    ++cell.left;
    // The outline in the DC's own pen (one pixel), then the colour inside it.
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    InflateRect(&cell, -1, -1);
    platform::FillSolidRect(dc, cell, color);
}

}  // namespace

int ColumnWidth(int dpi) { return core::ScaleToDpi(kColumnWidthAt96, dpi); }

LRESULT CustomDraw(const platform::CListCtrl& list, const NMLVCUSTOMDRAW& draw, int column,
                   const std::function<COLORREF(int)>& rowColor) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        if (draw.iSubItem != column) return CDRF_DODEFAULT;
        const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
        DrawCell(list, draw.nmcd.hdc, row, draw.iSubItem, rowColor(row));
        return CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}

std::optional<COLORREF> PickBaseColor(COLORREF current) {
    CSDP_SelectColor picker;
    picker.SetSelection(FindColorNumber(current));
    // Confirmed with no colour selected (the row's colour is none of the palette's and no
    // swatch was clicked): the row keeps its colour.
    if (picker.DoModal() != IDOK || !picker.HasSelection()) return std::nullopt;
    return picker.GetColor();
}

COLORREF* CustomColors() { return g_customColors.data(); }

int FindColorNumber(COLORREF color) {
    core::ColorTable table{};
    std::copy(g_customColors.begin(), g_customColors.end(), table.begin());
    return core::FindKeptColorNumber(color, table);
}

}  // namespace color_cell
