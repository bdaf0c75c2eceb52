// CFXJG_ShowWY: which displacement result is shown: a kind from the left list and a load case or
// combination from the right one, a radio list (template 1014). In combination mode the kind
// decides what the case list shows, and the case list is rebuilt whenever the kind changes, each
// time from the host's initial row.
#pragma once
#include <string>

#include "controls/ButtonListCtrl.h"
#include "controls/CheckListCtrl.h"
#include "platform/dialog.h"
#include "platform/host_caption.h"

class CFXJG_ShowWY : public platform::CDialog {
public:
    static constexpr int kPlainMode = 1;
    static constexpr int kCombinationMode = 2;

    CFXJG_ShowWY();

    // The case list's data. A combination count of 2 or more (the heading included) selects
    // combination mode, where the list is filled when the dialog opens; otherwise (plain mode)
    // the list shows the host's cases. nSelected: the host's 0-based row.
    void SetCases(int nCombCount, int nCaseCount, int nSelected, const char* lpszCases);
    // Combination mode: gives the case list the data of kind nKind and rebuilds it.
    void FillCaseList(int nKind);

    int m_nMode = kPlainMode;
    int m_nCaseCount = 0;
    int m_nTargetCount = 0;
    int m_nCombCount = 0;
    int m_nSelected = 0;  // the host's row: every rebuild starts from it
    CCheckListCtrl m_listCase;
    CButtonListCtrl m_listKind;
    platform::HostCaption m_strCaption;  // the window title

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    void OnItemchangedKindList(LRESULT& result);

    std::string m_strCaseNames;  // GBK, as the host gave them
    // The kind the case list was last built for: a change of the kind list that leaves the kind
    // as it was (a press on its empty area, focus moving) keeps the user's case pick.
    int m_nShownKind = kNoKind;
    static constexpr int kNoKind = -2;  // never a kind list choice, which is -1 at the least
};
