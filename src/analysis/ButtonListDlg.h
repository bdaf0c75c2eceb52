// CButtonListDlg: what the dialogs built around one button list share: the list (control 1015),
// an optional host title, and the set-up order of their initialisation.
#pragma once
#include "controls/ButtonListCtrl.h"
#include "platform/dialog.h"
#include "platform/host_caption.h"

class CButtonListDlg : public platform::CDialog {
public:
    explicit CButtonListDlg(UINT templateId);

    CButtonListCtrl m_listButtons;
    platform::HostCaption m_strCaption;  // replaces the template's title when the host gives one

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
