// The contour values: rows built from the host's values, the count box and its checks, and the
// two ways out with OK: the values as the list shows them (OK) or another number of lines (the
// update button).
#include "colour/SDP_ShowDWY.h"

#include <algorithm>

#include "controls/RowHeight.h"
#include "core/value_text.h"
#include "platform/data_exchange.h"
#include "platform/redraw_guard.h"
#include "res/resource.h"

namespace {
constexpr int kValueColumn = 1;
constexpr int kColorColumn = 2;
}  // namespace

CSDP_ShowDWY::CSDP_ShowDWY() noexcept : CDialog(IDD_SDP_SHOWDWY) {}

void CSDP_ShowDWY::SetContourData(int nCount, int nMode, const float* pValues, const COLORREF* pColors) {
    m_nMode = nMode;
    m_nCount = core::ContourLineCount(nCount);
    m_nNewCount = m_nCount;
    std::copy(pValues, pValues + m_nCount, m_values.begin());
    std::copy(pColors, pColors + m_nCount, m_colors.begin());
}

void CSDP_ShowDWY::GetContourData(int* pCount, float* pValues, COLORREF* pColors) const {
    *pCount = m_nCount;
    std::copy(m_values.begin(), m_values.begin() + m_nCount, pValues);
    std::copy(m_colors.begin(), m_colors.begin() + m_nCount, pColors);
}

void CSDP_ShowDWY::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_CONTOUR_LIST, m_list);
    platform::DDX_Text(pDX, IDC_CONTOUR_COUNT, m_nNewCount);
    platform::DDV_MinMaxInt(pDX, m_nNewCount, 1, core::kMaxContourLines);
    platform::DDX_Text(pDX, IDC_CONTOUR_COUNT_LABEL, m_strLabel);
}

BOOL CSDP_ShowDWY::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.SetRowHeight(kRowHeight);
    m_strLabel = core::ContourCountLabel(m_nMode);
    InsertColumns();
    m_list.SetEditColumn(kValueColumn);
    m_list.SetColorColumn(kColorColumn);
    FillList();
    UpdateData(false);
    return TRUE;
}

void CSDP_ShowDWY::InsertColumns() {
    m_list.InsertColumn(0, L"序号", LVCFMT_LEFT, 0, 0);
    m_list.InsertColumn(kValueColumn, core::ContourValueHeading(m_nMode), LVCFMT_LEFT, 0, kValueColumn);
    m_list.InsertColumn(kColorColumn, L"线颜色", LVCFMT_LEFT, m_list.ColorColumnWidth(), kColorColumn);
    SizeColumns();
}

void CSDP_ShowDWY::SizeColumns() {
    // The number and value columns share what the colour column leaves, but are never narrower.
    const int colorWidth = m_list.ColorColumnWidth();
    const int otherWidth = std::max((m_list.ClientWidthWithoutScrollBar() - colorWidth) / 2, colorWidth);
    m_list.SetColumnWidth(0, otherWidth);
    m_list.SetColumnWidth(kValueColumn, otherWidth);
}

void CSDP_ShowDWY::OnDpiChanged(int dpi) {
    CDialog::OnDpiChanged(dpi);  // the colour column and the rows
    SizeColumns();
}

void CSDP_ShowDWY::FillList() {
    const platform::RedrawGuard noRedraw(m_list.m_hWnd);
    m_list.DeleteAllItems();
    for (int i = 0; i < m_nCount; ++i) {
        const auto line = static_cast<std::size_t>(i);
        const int row = m_list.InsertItem(i, core::ContourLineName(m_nMode, i + 1));
        m_list.SetRowColor(row, m_colors[line]);
        m_list.SetItemText(row, kValueColumn, core::FormatValue(m_values[line]));
    }
}

bool CSDP_ShowDWY::OnCommand(int id, int code, HWND /*control*/) {
    if (id != IDC_UPDATE_LIST || code != BN_CLICKED) return false;
    OnUpdateList();
    return true;
}

void CSDP_ShowDWY::OnUpdateList() {
    UpdateData(true);  // a failed check has warned; the steps go on regardless
    m_nRows = m_list.GetItemCount();
    m_nCount = m_nNewCount;
    // Another number of lines: close with OK, without reading the list; the host then asks
    // again with that many values. The base OK checks the box again and stays open if it fails.
    if (m_nRows != m_nCount) CDialog::OnOK();
    UpdateData(false);
}

void CSDP_ShowDWY::OnOK() {
    UpdateData(true);  // a failed check has warned; the steps go on regardless
    m_nCount = m_nRows = m_list.GetItemCount();
    for (int row = 0; row < m_nCount; ++row) {
        const auto line = static_cast<std::size_t>(row);
        m_values[line] = core::ReadBackValue(m_values[line], m_list.GetItemText(row, kValueColumn));
        m_colors[line] = static_cast<COLORREF>(m_list.GetItemData(row));
    }
    CDialog::OnOK();
}
