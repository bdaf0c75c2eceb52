// The colour table: a name column as wide as the widest name allows, an 80-pixel colour column,
// rows 20 pixels high (at 96 DPI; all follow the dialog's DPI). The list shows the colour numbers
// and writes the user's picks into them, so OK hands them back as they stand.
#include "colour/SDP_ShowCLR.h"

#include <algorithm>

#include "controls/RowHeight.h"
#include "core/names.h"
#include "core/palette.h"
#include "platform/data_exchange.h"
#include "platform/handles.h"
#include "platform/host_text.h"
#include "platform/redraw_guard.h"
#include "platform/text_width.h"
#include "res/resource.h"

namespace {
constexpr int kColorColumn = CColorTableList::kColorColumn;
}  // namespace

CSDP_ShowCLR::CSDP_ShowCLR() : CDialog(IDD_SDP_SHOWCLR) { CreateAsOwnerData(IDC_COLOR_LIST); }

void CSDP_ShowCLR::SetColorTable(int count, const int* colors, const char* lpszNames) {
    m_pNames = platform::SplitGbkNames(core::HostString(lpszNames));
    m_nCount = std::clamp(count, 0, static_cast<int>(m_pNames.size()));
    m_pColorNumbers.assign(colors, colors + m_nCount);
    for (int& number : m_pColorNumbers) number = core::ValidColorNumber(number);
}

void CSDP_ShowCLR::DoDataExchange(platform::CDataExchange* pDX) { platform::DDX_Control(pDX, IDC_COLOR_LIST, m_list); }

BOOL CSDP_ShowCLR::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpList();
    UpdateData(false);
    return TRUE;
}

void CSDP_ShowCLR::SetUpList() {
    const platform::RedrawGuard noRedraw(m_list.m_hWnd);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.SetRowHeight(kRowHeight);
    m_list.InsertColumn(0, L"项目", LVCFMT_LEFT, 0, 0);
    m_list.InsertColumn(kColorColumn, L"颜色", LVCFMT_LEFT, m_list.ColorColumnWidth(), kColorColumn);
    SizeNameColumn();
    m_list.SetRows(m_pNames, m_pColorNumbers, std::max(m_nCount - 1, 0));
    if (m_list.GetItemCount() > 0) {
        m_list.SetSelectionMark(0);
        m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    }
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
