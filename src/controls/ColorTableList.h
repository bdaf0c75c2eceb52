// CColorTableList: the colour table's list: a name column and a colour column whose cells show
// the rows' base colours. The rows live with the owner (an owner-data list): it keeps the names
// and the colour numbers, and a colour the user picks, from a press on a colour cell or Space on
// the focused row, is written into the owner's colour numbers at once.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/virtual_list_ctrl.h"

class CColorTableList : public platform::CVirtualListCtrl {
public:
    static constexpr int kColorColumn = 1;

    // Shows rows 0 to rows - 1 from entries 1 to rows of `names` and `colorNumbers` (entry 0 is
    // the heading, never shown). Both are the owner's and must hold rows + 1 entries, valid colour
    // numbers, for as long as the list's window exists.
    void SetRows(const std::vector<std::wstring>& names, std::vector<int>& colorNumbers, int rows);
    // The width the dialog gives the colour column: 80 pixels at 96 DPI.
    int ColorColumnWidth() const;
    // The colour column and the rows follow the new DPI (the dialog lays out the name column).
    void OnDpiChanged(int dpi) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::wstring RowText(int row, int column) const override;
    bool OnListNotify(NMHDR& header, LRESULT& result) override;

private:
    void OnLButtonDown(WPARAM flags, LPARAM point);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    void PickRowColor(int row);
    int& RowColorNumber(int row) const { return (*m_colorNumbers)[static_cast<std::size_t>(row) + 1]; }

    const std::vector<std::wstring>* m_names = nullptr;
    std::vector<int>* m_colorNumbers = nullptr;
};
