// The floor dialog: a template of the library, filled the plainest way the platform allows.
#include "floor.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

namespace bench {
namespace {

struct FloorState {
    const Floor* floor = nullptr;
    std::vector<HIMAGELIST> treeImages;  // trees never destroy their image lists
};

void FillList(HWND list, const FloorFill& fill, HMODULE module) {
    if (fill.stateImage.cx > 0) {
        HIMAGELIST images =
            fill.stateBitmap ? ImageList_LoadImageW(module, MAKEINTRESOURCEW(fill.stateBitmap), fill.stateImage.cx, 1,
                                                    RGB(255, 255, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION)
                             : ImageList_Create(fill.stateImage.cx, fill.stateImage.cy, ILC_COLORDDB, 0, 0);
        SendMessageW(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(images));  // the list destroys it
    }
    RECT client{};
    GetClientRect(list, &client);
    const int spread = fill.columns;
    const int width = (client.right - fill.headingWidthReserve) / spread;
    for (int col = 0; col < spread; ++col) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = width;
        column.pszText = const_cast<wchar_t*>(fill.heading.c_str());
        column.iSubItem = col;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
    }
    if (fill.lastColumnWidth > 0) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = fill.lastColumnWidth;
        column.pszText = const_cast<wchar_t*>(L"");
        column.iSubItem = spread;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(spread), reinterpret_cast<LPARAM>(&column));
    }
    for (std::size_t i = 0; i < fill.texts.size(); ++i) {
        const int row = static_cast<int>(i) / spread;
        const int col = static_cast<int>(i) % spread;
        LVITEMW item{};
        item.iItem = row;
        item.iSubItem = col;
        item.pszText = const_cast<wchar_t*>(fill.texts[i].c_str());
        if (col == 0) {
            item.mask = LVIF_TEXT;
            if (fill.stateBitmap) {
                item.mask |= LVIF_STATE;
                item.state = INDEXTOSTATEIMAGEMASK(1);
                item.stateMask = LVIS_STATEIMAGEMASK;
            }
            if (i / static_cast<std::size_t>(spread) < fill.values.size()) {
                item.mask |= LVIF_PARAM;
                item.lParam = fill.values[i / static_cast<std::size_t>(spread)];
            }
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        } else {
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
}

void FillTree(HWND tree, const FloorFill& fill, FloorState& state) {
    if (fill.stateImage.cx > 0) {
        HIMAGELIST images = ImageList_Create(fill.stateImage.cx, fill.stateImage.cy, ILC_COLORDDB, 0, 0);
        state.treeImages.push_back(images);
        SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(images));
    }
    if (fill.itemHeightDelta)
        SendMessageW(tree, TVM_SETITEMHEIGHT, SendMessageW(tree, TVM_GETITEMHEIGHT, 0, 0) + fill.itemHeightDelta, 0);
    std::vector<HTREEITEM> items;
    items.reserve(fill.texts.size());
    for (std::size_t i = 0; i < fill.texts.size(); ++i) {
        const int parent = fill.parents[i];
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent < 0 ? TVI_ROOT : items[static_cast<std::size_t>(parent)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_STATE;
        insert.item.pszText = const_cast<wchar_t*>(fill.texts[i].c_str());
        insert.item.state = INDEXTOSTATEIMAGEMASK(1) | (parent < 0 ? TVIS_EXPANDED : 0);
        insert.item.stateMask = TVIS_STATEIMAGEMASK | TVIS_EXPANDED;
        items.push_back(reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert))));
    }
}

// Owner-drawn templates: each cell's text, the chosen row highlighted.
void DrawRow(const DRAWITEMSTRUCT& draw) {
    HWND list = draw.hwndItem;
    const bool selected = draw.itemState & ODS_SELECTED;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int columns = std::max(1, static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)));
    for (int col = 0; col < columns; ++col) {
        RECT cell{LVIR_LABEL, col, 0, 0};
        SendMessageW(list, LVM_GETSUBITEMRECT, draw.itemID, reinterpret_cast<LPARAM>(&cell));
        wchar_t text[64] = L"";
        LVITEMW item{};
        item.iSubItem = col;
        item.pszText = text;
        item.cchTextMax = 64;
        const int length = static_cast<int>(SendMessageW(list, LVM_GETITEMTEXTW, draw.itemID, reinterpret_cast<LPARAM>(&item)));
        DrawTextW(draw.hDC, text, length, &cell, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    }
}

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto& state = *reinterpret_cast<FloorState*>(lParam);
        for (const FloorFill& fill : state.floor->fills) {
            HWND control = GetDlgItem(dialog, fill.controlId);
            SendMessageW(control, WM_SETREDRAW, FALSE, 0);
            if (fill.kind == FloorFill::kTree) FillTree(control, fill, state);
            else FillList(control, fill, state.floor->module);
            SendMessageW(control, WM_SETREDRAW, TRUE, 0);
        }
        return TRUE;
    }
    case WM_DRAWITEM:
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR RunFloor(const Floor& floor, HWND owner) {
    FloorState state;
    state.floor = &floor;
    const INT_PTR result = DialogBoxParamW(floor.module, MAKEINTRESOURCEW(floor.templateId), owner, &FloorProc,
                                           reinterpret_cast<LPARAM>(&state));
    for (HIMAGELIST images : state.treeImages) ImageList_Destroy(images);
    return result;
}

}  // namespace bench
