// CSDP_ShowCLR: the colour table (template 1022): the host's display items, each with one of
// the sixteen base colours, which the user changes with the picker opened from its colour cell.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/ColorTableList.h"
#include "platform/dialog.h"
#include "platform/host_caption.h"

class CSDP_ShowCLR : public platform::CDialog {
public:
    CSDP_ShowCLR();

    // count entries of the colour numbers and of the GBK name list, entry 0 (never shown)
    // included. The count is cut to the names (none when negative); only that many colour
    // numbers are read, each outside 0 to 15 taken as 1.
    void SetColorTable(int count, const int* colors, const char* lpszNames);

    int m_nCount = 0;                     // entries in use
    std::vector<int> m_pColorNumbers;     // numbered like the names; the list writes picked colours here
    std::vector<std::wstring> m_pNames;
    platform::HostCaption m_strCaption;   // the host's fifth argument: kept, never shown

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnDpiChanged(int dpi) override;
    void SetUpList();
    void SizeNameColumn();  // the widest name, or the room the colour column leaves
    int WidestName() const;

    CColorTableList m_list;
};
