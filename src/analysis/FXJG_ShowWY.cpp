// Displacement dialog.
#include "analysis/FXJG_ShowWY.h"

#include "core/case_sources.h"
#include "core/names.h"
#include "platform/data_exchange.h"
#include "res/resource.h"

CFXJG_ShowWY::CFXJG_ShowWY() : CDialog(IDD_FXJG_SHOWWY) {
    CreateAsOwnerData(IDC_LIST_CASES);
    CreateAsOwnerData(IDC_LIST_BUTTONS);
}

void CFXJG_ShowWY::SetCases(int nCombCount, int nCaseCount, int nSelected, const char* lpszCases) {
    if (nCombCount > 1) {
        m_nMode = kCombinationMode;
        m_nCaseCount = nCaseCount;
        m_nSelected = nSelected;
        m_strCaseNames = std::string(core::HostString(lpszCases));
        m_nTargetCount = core::kTargetCombinationCount;
        m_nCombCount = nCombCount;
        // Until a kind gives the list its data, OK hands the host's row back unchanged.
        m_listCase.m_nSelected = nSelected;
    } else {
        m_nMode = kPlainMode;
        m_listCase.SetListItems(nCaseCount, CCheckListCtrl::kRadioMode, nSelected, nullptr, lpszCases);
    }
}

void CFXJG_ShowWY::FillCaseList(int nKind) {
    if (m_nMode != kCombinationMode || !m_listCase.m_hWnd) return;
    m_nShownKind = nKind;
    constexpr int kRadio = CCheckListCtrl::kRadioMode;
    switch (core::CaseSourceOfKind(nKind)) {
    case core::CaseSource::HostCases:
        m_listCase.SetListItems(m_nCaseCount, kRadio, m_nSelected, nullptr, m_strCaseNames.c_str());
        break;
    case core::CaseSource::TargetCombinations:
        m_listCase.SetListItems(m_nTargetCount, kRadio, m_nSelected, nullptr, core::kTargetCombinationNames);
        break;
    case core::CaseSource::NumberedCombinations:
        m_listCase.SetListItems(m_nCombCount, kRadio, m_nSelected, nullptr, core::kCombinationNames);
        break;
    case core::CaseSource::Unchanged:
        break;
    }
    m_listCase.InitList();
}

void CFXJG_ShowWY::DoDataExchange(platform::CDataExchange* pDX) {
    platform::DDX_Control(pDX, IDC_LIST_CASES, m_listCase);
    platform::DDX_Control(pDX, IDC_LIST_BUTTONS, m_listKind);
}

BOOL CFXJG_ShowWY::OnInitDialog() {
    CDialog::OnInitDialog();  // the first exchange subclasses both lists
    m_strCaption.ApplyTo(m_hWnd);
    // Building the kind list selects its chosen row, whose LVN_ITEMCHANGED fills the case list.
    m_listKind.InitList();
    if (m_nMode == kCombinationMode) FillCaseList(m_listKind.m_nSelected);
    else m_listCase.InitList();
    UpdateData(false);
    return TRUE;
}

bool CFXJG_ShowWY::OnNotify(NMHDR& header, LRESULT& result) {
    switch (header.idFrom) {
    case IDC_LIST_BUTTONS:
        if (header.code != LVN_ITEMCHANGED) return false;
        OnItemchangedKindList(result);
        return true;
    default:
        return false;
    }
}

void CFXJG_ShowWY::OnItemchangedKindList(LRESULT& result) {
    // The kind list takes a press as its choice before the selection moves, so the new kind is
    // known here. Rebuilding for an unchanged kind would throw away the user's case pick.
    if (m_listKind.m_nSelected != m_nShownKind) FillCaseList(m_listKind.m_nSelected);
    result = 0;
}
