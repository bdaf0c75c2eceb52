// CFXJG_ShowZB: one item whose coordinates are shown, chosen from a radio list of the host's
// names under the host's title (template 1015).
#pragma once
#include <string>

#include "controls/CheckListCtrl.h"
#include "platform/dialog.h"

class CFXJG_ShowZB : public platform::CDialog {
public:
    CFXJG_ShowZB();

    // The window title; a null caption gives an empty one.
    void SetCaption(const char* lpszCaption);

    CCheckListCtrl m_listItems;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    std::wstring m_strCaption;
};
