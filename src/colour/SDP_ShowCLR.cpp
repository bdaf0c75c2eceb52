// The colour table: a name column as wide as the widest name allows, an 80-pixel colour column,
// rows 20 pixels high; OK reads each row's colour back as a colour number.
#include "colour/SDP_ShowCLR.h"

#include <algorithm>

#include "core/names.h"
#include "core/palette.h"
#include "platform/data_exchange.h"
#include "platform/gbk_text.h"
#include "platform/handles.h"
#include "res/resource.h"

namespace {
// Base colours only: the list opens the sixteen-colour picker from this column.
constexpr int kColorColumn = CListCtrlEx::kPaletteColorColumn;
constexpr int kColorColumnWidth = 80;
constexpr int kRowHeight = 20;
}  // namespace

CSDP_ShowCLR::CSDP_ShowCLR() noexcept : CDialog(IDD_SDP_SHOWCLR) {}

void CSDP_ShowCLR::SetColorTable(int count, const int* colors, const char* lpszNames) {
    m_pNames = platform::FromGbk(core::SplitNames(core::HostString(lpszNames)));
    m_nCount = std::clamp(count, 0, static_cast<int>(m_pNames.size()));
    m_pColorNumbers.assign(colors, colors + m_nCount);
    for (int& number : m_pColorNumbers) number = core::ValidColorNumber(number);
}

void CSDP_ShowCLR::DoDataExchange(platform::CDataExchange* pDX) { platform::DDX_Control(pDX, IDC_COLOR_LIST, m_list); }

BOOL CSDP_ShowCLR::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.DeleteAllItems();
    const int clientWidth = m_list.GetClientRect().right;
    const int nameWidth = std::max(WidestName(), clientWidth - kColorColumnWidth);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // A state image list 1 pixel wide and 20 high without images: its only effect is the row
    // height. The list must not destroy it: it is this dialog's.
    m_list.ModifyStyle(0, LVS_SHAREIMAGELISTS);
    m_imageList.Create(1, kRowHeight, ILC_COLORDDB, 0, 0);
    m_list.SetImageList(m_imageList.GetSafeHandle(), LVSIL_STATE);
    m_list.InsertColumn(0, L"项目", LVCFMT_LEFT, nameWidth, 0);
    m_list.InsertColumn(kColorColumn, L"颜色", LVCFMT_LEFT, kColorColumnWidth, kColorColumn);
    m_list.SetColorColumn(kColorColumn);
    for (int i = 1; i < m_nCount; ++i) {
        const int row = m_list.InsertItem(i - 1, m_pNames[static_cast<std::size_t>(i)]);
        m_list.SetItemData(row, static_cast<LPARAM>(core::BaseColor(m_pColorNumbers[static_cast<std::size_t>(i)])));
    }
    if (m_list.GetItemCount() > 0) {
        m_list.SetSelectionMark(0);
        m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    }
    UpdateData(false);
    return TRUE;
}

int CSDP_ShowCLR::WidestName() const {
    // Measured in the DC's default font, entry 0 included although it gets no row.
    platform::ClientDC dc(m_hWnd);
    int widest = 0;
    for (int i = 0; i < m_nCount; ++i) {
        const std::wstring& name = m_pNames[static_cast<std::size_t>(i)];
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), name.c_str(), static_cast<int>(name.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
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
