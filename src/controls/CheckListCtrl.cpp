// The check list: reading the names and checks, building the rows in check or radio mode, and
// presses and keys (a press on a mark, or Space on the focused row, changes the checks; in radio
// mode the chosen row follows a press and the keys' selection, so the highlighted row is the one
// handed back).
#include "controls/CheckListCtrl.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/names.h"
#include "platform/redraw_guard.h"
#include "platform/handles.h"
#include "platform/host_text.h"
#include "platform/mark_images.h"
#include "platform/text_width.h"
#include "res/resource.h"

namespace {
constexpr DWORD kCheckModeStyle = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
constexpr DWORD kRadioModeStyle = LVS_EX_FULLROWSELECT;
constexpr int kRadioImageWidth = 20;
constexpr COLORREF kMaskColor = RGB(255, 255, 255);
// State image indexes: the platform's check boxes, and the radio images (image 0 of the bitmap
// is index 1, never used).
constexpr int kUnchecked = 1;
constexpr int kChecked = 2;
constexpr int kRadioOff = 2;
constexpr int kRadioOn = 3;
const wchar_t kSelectAll[] = L"全选";
// A numbered list is measured by its prefix and three digits, or its last number if longer.
const std::wstring kNumberSample = L"123";

int StateImageWidth(HIMAGELIST images) {
    int cx = 0;
    int cy = 0;
    return images && ImageList_GetIconSize(images, &cx, &cy) ? cx : 0;
}
}  // namespace

void CCheckListCtrl::SetListItems(int nCount, int nMode, int nSelected, const int* pStates, const char* lpszNames) {
    StoreItems(nCount, nMode, nSelected, pStates, platform::SplitGbkNames(core::HostString(lpszNames)));
}

void CCheckListCtrl::SetListItems(int nCount, int nMode, int nSelected, const int* pStates, std::wstring_view names) {
    StoreItems(nCount, nMode, nSelected, pStates, core::SplitNames(names));
}

void CCheckListCtrl::StoreItems(int nCount, int nMode, int nSelected, const int* pStates,
                                std::vector<std::wstring> names) {
    m_nMode = nMode;
    m_nSelected = nSelected;
    m_names = core::ChoiceNames(std::move(names), nCount);
    m_nCount = m_names.Count();
    m_bNumbered = m_names.Numbered() ? TRUE : FALSE;
    if (m_nMode == kCheckMode) {
        m_states = core::CheckStates(pStates, nCount, m_names.ItemCount());
        m_bHasStates = true;
    }
    m_bHasItems = true;
}

void CCheckListCtrl::InitList() {
    // The list scrolls to the chosen row only with its drawing on.
    if (BuildRows()) SelectChosenRow(true);
}

bool CCheckListCtrl::BuildRows() {
    // With drawing off the list lays itself out once, not after each step.
    const platform::RedrawGuard noRedraw(m_hWnd);
    DeleteAllItems();
    DeleteColumn(0);
    if (!m_bHasItems) return false;
    if (m_nMode == kCheckMode) UseCheckBoxes();
    else if (m_nMode == kRadioMode) UseRadioImages();
    else return false;
    InsertColumn(0, m_names.Heading(), LVCFMT_LEFT, ColumnWidth(), 0);
    StateImagesFromOwner();
    SetRowCount(RowCount());
    return true;
}

void CCheckListCtrl::DetachOwnImages() {
    // Ours are shared (LVS_SHAREIMAGELISTS): the list lets go of them and destroys nothing.
    HIMAGELIST shown = GetImageList(LVSIL_STATE);
    if (shown && (shown == m_imageList.GetSafeHandle() || shown == m_checkBoxes.GetSafeHandle()))
        SetImageList(nullptr, LVSIL_STATE);
}

void CCheckListCtrl::UseCheckBoxes() {
    // The platform makes its check boxes as the style is turned on, for the DPI it knows, and
    // destroys them itself when it is turned off (no LVS_SHAREIMAGELISTS): turned off and on
    // here, they are made afresh, also after a DPI change.
    DetachOwnImages();
    ModifyStyle(LVS_SHAREIMAGELISTS, 0);
    SetExtendedStyle(kRadioModeStyle);
    SetExtendedStyle(kCheckModeStyle);
    FitCheckBoxesToDpi();
}

void CCheckListCtrl::FitCheckBoxesToDpi() {
    // Check boxes made for another DPI than the list's (a DPI change the platform did not
    // follow) are replaced by a copy drawn at the list's, which this list then keeps and shares.
    HIMAGELIST platformBoxes = GetImageList(LVSIL_STATE);
    platform::UniqueImageList sized = platform::MarksForDpi(platformBoxes, Dpi());
    if (!sized) return;
    m_checkBoxes.Attach(std::move(sized));
    ModifyStyle(0, LVS_SHAREIMAGELISTS);
    SetImageList(m_checkBoxes.GetSafeHandle(), LVSIL_STATE);
    ImageList_Destroy(platformBoxes);  // the list no longer holds it, and it was the list's own
}

void CCheckListCtrl::UseRadioImages() {
    platform::CImageList radios;
    radios.CreateMarks(IDB_RADIO_IMAGES, kRadioImageWidth, kMaskColor, Dpi(), kRadioOff - 1);
    // The platform's check boxes go with the style; ours are let go of first.
    DetachOwnImages();
    SetExtendedStyle(kRadioModeStyle);
    // The radio images are ours: the list must not destroy them (LVS_SHAREIMAGELISTS).
    ModifyStyle(0, LVS_SHAREIMAGELISTS);
    SetImageList(radios.GetSafeHandle(), LVSIL_STATE);
    m_imageList = std::move(radios);
}

int CCheckListCtrl::ColumnWidth() const {
    // The larger of the client width and what the widest text needs in the list's own font.
    // Measured in one DC with the list's font selected: what LVM_GETSTRINGWIDTHW gives for each
    // text, without a message and a DC per text.
    platform::ClientDC dc(m_hWnd);
    const HFONT font = GetFont();
    platform::SelectGuard useFont(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const int widest = m_bNumbered ? platform::WidestText(dc.get(), m_names.NumberedSamples(kNumberSample), 2)
                                   : platform::WidestText(dc.get(), m_names.Entries(), m_nCount);
    const int needed = widest + StateImageWidth(GetImageList(LVSIL_STATE)) + LabelMargins();
    return std::max(static_cast<int>(GetClientRect().right), needed);
}

void CCheckListCtrl::OnDpiChanged(int dpi) {
    CVirtualListCtrl::OnDpiChanged(dpi);
    if (!m_hWnd || !m_bHasItems) return;
    // The rows, checks, choice, selection and focus stay; the marks and the width follow.
    if (m_nMode == kCheckMode) UseCheckBoxes();
    else if (m_nMode == kRadioMode) UseRadioImages();
    else return;
    StateImagesFromOwner();
    SetColumnWidth(0, ColumnWidth());
    Invalidate(true);
}

int CCheckListCtrl::RowCount() const { return m_names.ItemCount() + (m_nMode == kCheckMode ? 1 : 0); }

std::wstring CCheckListCtrl::RowText(int row, int column) const {
    if (column != 0) return {};
    if (row < m_names.ItemCount()) return m_names.ItemText(row);
    return m_nMode == kCheckMode ? kSelectAll : L"";
}

UINT CCheckListCtrl::RowStateImage(int row) const {
    return m_nMode == kCheckMode ? CheckImage(row) : RadioImage(row);
}

UINT CCheckListCtrl::CheckImage(int row) const {
    const bool checked = row >= 0 && row < m_states.RowCount() && m_states.IsChecked(row);
    return INDEXTOSTATEIMAGEMASK(checked ? kChecked : kUnchecked);
}

UINT CCheckListCtrl::RadioImage(int row) const {
    return INDEXTOSTATEIMAGEMASK(row == m_nSelected ? kRadioOn : kRadioOff);
}

void CCheckListCtrl::SelectChosenRow(bool scrollIntoView) const {
    // A choice that is no row selects nothing: -1 would select every row.
    if (m_nSelected < 0 || m_nSelected >= GetItemCount()) return;
    // The focus state too, so that the keys move on from the chosen row.
    if (SelectedRow() != m_nSelected) ClearSelection();  // the list selects fast only from none
    SetSelectionMark(m_nSelected);
    SetItemState(m_nSelected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (scrollIntoView) EnsureVisible(m_nSelected, false);
}

void CCheckListCtrl::ChooseRow(int row) {
    // Only the radios of the old and the new row change: those rows are drawn again.
    const int before = m_nSelected;
    if (row >= 0) m_nSelected = row;
    SelectChosenRow(false);
    RedrawRow(before);
    if (m_nSelected != before) RedrawRow(m_nSelected);
}

void CCheckListCtrl::GetCheckStates(int* pOut) const {
    if (m_bHasStates) m_states.CopyOut(pOut);
}

LRESULT CCheckListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnPress(message, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && GetKeyState(VK_CONTROL) >= 0) return OnSpaceKey();
        [[fallthrough]];
    case WM_CHAR: {
        // The space that follows the key's press is no name's start.
        if (message == WM_CHAR && wParam == L' ') return 0;
        // The list moves the selection fast only from none; a key that moves nothing leaves
        // the row selected as it was.
        const int before = SelectedRow();
        ClearSelection();
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (m_nMode == kRadioMode) FollowKeyboardSelection();
        else if (before >= 0 && SelectedRow() == -1) SetItemState(before, LVIS_SELECTED, LVIS_SELECTED);
        return result;
    }
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

LRESULT CCheckListCtrl::OnSpaceKey() {
    // Space does what a press on the focused row's mark does, through the same code: a check
    // (with the select-all row's rules) or the radio.
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused >= 0) HandleClick(focused, LVHT_ONITEMSTATEICON);
    return 0;
}

LRESULT CCheckListCtrl::OnPress(UINT message, WPARAM flags, LPARAM point) {
    LVHITTESTINFO hit{};
    hit.pt = POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const int row = HitTest(hit);
    if (row >= 0) HandleClick(hit.iItem, hit.flags);
    // The list moves the selection fast only from none; a press on a check box moves none.
    if (m_nMode == kCheckMode && !(row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON))) ClearSelection();
    // The list's own handling: focus and selection (its flip of a pressed check box shows
    // nothing: the images are the model's).
    return DefaultProc(message, flags, point);
}

void CCheckListCtrl::HandleClick(int nItem, UINT nFlags) {
    if (m_nMode == kCheckMode) {
        if (!(nFlags & LVHT_ONITEMSTATEICON) || nItem >= m_states.RowCount()) return;
        // The checks shown are always the model's: the list asks for each row's image, so its
        // own toggle of the pressed box (and of the space key) changes nothing.
        m_states.Press(nItem);
        RedrawVisibleRows();  // select-all changes every row, a row may change select-all
        return;
    }
    // A press beside a row's radio and text keeps the choice, highlighted again.
    ChooseRow(nFlags & (LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON) ? nItem : m_nSelected);
}

void CCheckListCtrl::FollowKeyboardSelection() {
    // The keys (arrows, Home, End, pages, typing a name's start) moved the selection: the radio
    // goes with it. A key that cleared the selection leaves the choice, highlighted again.
    ChooseRow(SelectedRow());
}
