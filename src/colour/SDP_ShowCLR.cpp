// The colour table: a name column as wide as the widest name allows, an 80-pixel colour column,
// rows 20 pixels high (at 96 DPI; all follow the dialog's DPI); OK reads each row's colour back
// as a colour number.
#include "colour/SDP_ShowCLR.h"

#include <algorithm>

#include "controls/RowHeight.h"
#include "core/fit_text.h"
#include "core/names.h"
#include "core/palette.h"
#include "platform/data_exchange.h"
#include "platform/handles.h"
#include "platform/host_text.h"
#include "platform/redraw_guard.h"
#include "platform/text_width.h"
#include "res/resource.h"

namespace {
// Base colours only: the list opens the sixteen-colour picker from this column.
constexpr int kColorColumn = CListCtrlEx::kPaletteColorColumn;
}  // namespace

CSDP_ShowCLR::CSDP_ShowCLR() noexcept : CDialog(IDD_SDP_SHOWCLR) {}

void CSDP_ShowCLR::SetColorTable(int count, const int* colors, const char* lpszNames) {
    m_pNames = platform::SplitGbkNames(core::HostString(lpszNames));
    m_nCount = std::clamp(count, 0, static_cast<int>(m_pNames.size()));
    m_pColorNumbers.assign(colors, colors + m_nCount);
    for (int& number : m_pColorNumbers) number = core::ValidColorNumber(number);
}

void CSDP_ShowCLR::DoDataExchange(platform::CDataExchange* pDX) { platform::DDX_Control(pDX, IDC_COLOR_LIST, m_list); }

BOOL CSDP_ShowCLR::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.DeleteAllItems();
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.SetRowHeight(kRowHeight);
    m_list.InsertColumn(0, L"项目", LVCFMT_LEFT, 0, 0);
    m_list.InsertColumn(kColorColumn, L"颜色", LVCFMT_LEFT, m_list.ColorColumnWidth(), kColorColumn);
    m_list.SetColorColumn(kColorColumn);
    SizeNameColumn();
    m_list.SetItemCount(std::max(m_nCount - 1, 0));
    {
        platform::RedrawGuard noRedraw(m_list.m_hWnd);
        for (int i = 1; i < m_nCount; ++i) {
            const auto entry = static_cast<std::size_t>(i);
            const int row = m_list.InsertItem(i - 1, m_pNames[entry]);
            m_list.SetRowColor(row, core::BaseColor(m_pColorNumbers[entry]));
        }
    }
    m_list.Invalidate(true);  // turning redraw back on does not promise a repaint
    if (m_list.GetItemCount() > 0) {
        m_list.SetSelectionMark(0);
        m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    }
    UpdateData(false);
    return TRUE;
}

void CSDP_ShowCLR::OnDpiChanged(int dpi) {
    CDialog::OnDpiChanged(dpi);  // the colour column and the rows
    SizeNameColumn();
}

void CSDP_ShowCLR::SizeNameColumn() {
    const int rest = m_list.ClientWidthWithoutScrollBar() - m_list.ColorColumnWidth();
    m_list.SetColumnWidth(0, std::max(WidestName() + m_list.LabelMargins(), rest));
}

int CSDP_ShowCLR::WidestName() const {
    // Measured in the list's font, entry 0 included although it gets no row.
    platform::ClientDC dc(m_list.m_hWnd);
    const HFONT font = m_list.GetFont();
    platform::SelectGuard useFont(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    return platform::WidestText(dc.get(), m_pNames, m_nCount);
}

void CSDP_ShowCLR::OnOK() {
    // Searched in the base palette, not in the lists' custom colours.
    const int rows = m_list.GetItemCount();
    for (int row = 0; row < rows; ++row) {
        const auto color = static_cast<core::ColorValue>(m_list.GetItemData(row));
        m_pColorNumbers[static_cast<std::size_t>(row) + 1] = core::FindColorNumber(color);
    }
    CDialog::OnOK();
}
