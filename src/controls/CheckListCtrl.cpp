// The check list: reading the names and checks, building the rows in check or radio mode, and
// presses and keys (presses change the checks; in radio mode the chosen row follows a press and
// the keys' selection, so the highlighted row is the one handed back).
#include "controls/CheckListCtrl.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/fit_text.h"
#include "core/names.h"
#include "platform/handles.h"
#include "platform/host_text.h"
#include "platform/screen_dpi.h"
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
// Room a row needs beside its text: the label's margins on both sides (LVM_GETSTRINGWIDTH
// remarks: the string width alone truncates the text).
constexpr int kLabelMargins = 12;
const wchar_t kSelectAll[] = L"全选";
// A numbered list is measured by its prefix and three digits.
constexpr wchar_t kNumberSample[] = L"123";

int StateImageWidth(HIMAGELIST images) {
    int cx = 0;
    int cy = 0;
    return images && ImageList_GetIconSize(images, &cx, &cy) ? cx : 0;
}
}  // namespace

CCheckListCtrl::CCheckListCtrl() {
    m_imageList.Create(IDB_RADIO_IMAGES, kRadioImageWidth, 1, kMaskColor);
}

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
    DeleteAllItems();
    DeleteColumn(0);
    if (!m_bHasItems) return;
    if (m_nMode == kCheckMode) UseCheckBoxes();
    else if (m_nMode == kRadioMode) UseRadioImages();
    else return;
    InsertColumn(0, m_names.Heading(), LVCFMT_LEFT, ColumnWidth(), 0);
    StateImagesFromOwner();
    SetRowCount(RowCount());
    SelectChosenRow(true);
}

void CCheckListCtrl::UseCheckBoxes() {
    // Already showing the enlarged check boxes: the list keeps them.
    if (m_checkBoxes.GetSafeHandle() && GetImageList(LVSIL_STATE) == m_checkBoxes.GetSafeHandle()) return;
    // The check boxes are the platform's own state images: detach ours first, and let the
    // list destroy its own with its window (LVS_SHAREIMAGELISTS).
    if (GetImageList(LVSIL_STATE) == m_imageList.GetSafeHandle()) SetImageList(nullptr, LVSIL_STATE);
    ModifyStyle(LVS_SHAREIMAGELISTS, 0);
    SetExtendedStyle(kCheckModeStyle);
    EnlargeCheckBoxes();
}

void CCheckListCtrl::EnlargeCheckBoxes() {
    // The platform draws its check boxes for 96 DPI: above it they are replaced by a copy as much
    // larger as the radio images, which this list then keeps and shares (LVS_SHAREIMAGELISTS).
    const int factor = platform::ScreenImageFactor();
    HIMAGELIST platformBoxes = GetImageList(LVSIL_STATE);
    if (factor == 1 || !platformBoxes || platformBoxes == m_checkBoxes.GetSafeHandle()) return;
    if (!m_checkBoxes.CreateEnlarged(platformBoxes, factor)) return;
    ModifyStyle(0, LVS_SHAREIMAGELISTS);
    SetImageList(m_checkBoxes.GetSafeHandle(), LVSIL_STATE);
    ImageList_Destroy(platformBoxes);  // the list no longer holds it, and it was the list's own
}

void CCheckListCtrl::UseRadioImages() {
    // Enlarged check boxes are ours: detached before the list drops its check boxes.
    if (m_checkBoxes.GetSafeHandle() && GetImageList(LVSIL_STATE) == m_checkBoxes.GetSafeHandle())
        SetImageList(nullptr, LVSIL_STATE);
    SetExtendedStyle(kRadioModeStyle);
    // The radio images are ours: the list must not destroy them (LVS_SHAREIMAGELISTS).
    ModifyStyle(0, LVS_SHAREIMAGELISTS);
    SetImageList(m_imageList.GetSafeHandle(), LVSIL_STATE);
}

int CCheckListCtrl::ColumnWidth() const {
    // The larger of the client width and what the widest text needs in the list's own font.
    // Measured in one DC with the list's font selected: what LVM_GETSTRINGWIDTHW gives for each
    // text, without a message and a DC per text.
    platform::ClientDC dc(m_hWnd);
    const HFONT font = GetFont();
    platform::SelectGuard useFont(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const int widest = m_bNumbered ? platform::TextWidth(dc.get(), m_names.Prefix() + kNumberSample)
                                   : platform::WidestText(dc.get(), m_names.Entries(), m_nCount);
    const int needed = widest + StateImageWidth(GetImageList(LVSIL_STATE)) + kLabelMargins;
    return std::max(static_cast<int>(GetClientRect().right), needed);
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
    case WM_CHAR: {
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
