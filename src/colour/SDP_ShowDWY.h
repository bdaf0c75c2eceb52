// CSDP_ShowDWY: the contour values (template 1021): one row per contour line with its name, its
// value, edited in place, and its colour, changed with the platform's colour chooser. A new
// number of lines closes the dialog so that the host prepares that many values.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "controls/ListCtrlEx.h"
#include "core/contour_text.h"
#include "platform/dialog.h"

class CSDP_ShowDWY : public platform::CDialog {
public:
    CSDP_ShowDWY() noexcept;

    // Copies the host's data before the window exists: the count (none when negative, at most
    // 50) and that many values and colours.
    void SetContourData(int nCount, int nMode, const float* pValues, const COLORREF* pColors);
    // Writes the count and that many values and colours.
    void GetContourData(int* pCount, float* pValues, COLORREF* pColors) const;

    int m_nMode = 1;   // 1 displacement, any other value stress
    int m_nCount = 0;  // contour lines
    int m_nRows = 0;   // rows of the list when OK or the update button was last pressed
    std::array<COLORREF, core::kMaxContourLines> m_colors{};
    std::array<float, core::kMaxContourLines> m_values{};
    int m_nNewCount = 0;  // the number of lines in the count box
    std::wstring m_strLabel;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void InsertColumns();
    void SizeColumns();
    void OnDpiChanged(int dpi) override;
    void FillList();
    void OnUpdateList();

    CListCtrlEx m_list;
};
