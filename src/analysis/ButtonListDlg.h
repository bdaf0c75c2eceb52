// CButtonListDlg: what the dialogs built around one button list share: the list (control 1015),
// an optional host title, and the set-up order of their initialisation.
#pragma once
#include <string>

#include "controls/ButtonListCtrl.h"
#include "platform/dialog.h"

class CButtonListDlg : public platform::CDialog {
public:
    explicit CButtonListDlg(UINT templateId) noexcept : CDialog(templateId) {}

    // Replaces the template's title; a null caption gives an empty one.
    void SetCaption(const char* lpszCaption);

    CButtonListCtrl m_listButtons;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    std::wstring m_strCaption;
    bool m_bHostCaption = false;
};
