// CCheckListCtrl: a one-column report list of a host name list, either with a check box on every
// row and a last row "全选" that checks or clears them all (check mode), or with a radio image on
// every row, one of them chosen (radio mode). Keeps its own copies of the names and checks, so it
// is set up before its window exists and read after it is gone; the list asks it for each row
// it draws.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/check_states.h"
#include "core/choice_names.h"
#include "platform/image_list.h"
#include "platform/virtual_list_ctrl.h"

class CCheckListCtrl : public platform::CVirtualListCtrl {
public:
    static constexpr int kCheckMode = 1;
    static constexpr int kRadioMode = 2;

    // Stores the data for the next InitList; may be repeated at any time. nCount entries (heading
    // included), the mode, the 0-based chosen row (radio mode) or selected row, the caller's check
    // states numbered like the names (check mode only: nCount entries; null gives none), and the
    // GBK name list (read during the call only).
    void SetListItems(int nCount, int nMode, int nSelected, const int* pStates, const char* lpszNames);
    // The same for a name list of the library's own.
    void SetListItems(int nCount, int nMode, int nSelected, const int* pStates, std::wstring_view names);
    // Rebuilds the column and rows from the stored data, selects row m_nSelected and scrolls it
    // into view. Repeatable while the window exists; shows nothing before a SetListItems.
    void InitList();
    // Writes back the caller's entries that the last check-mode SetListItems read (never more
    // than it gave, never the select-all row's). Writes nothing if it was never in check mode.
    void GetCheckStates(int* pOut) const;
    // New marks and column width for the new DPI; the rows and what the user did stay.
    void OnDpiChanged(int dpi) override;

    int m_nMode = kCheckMode;
    int m_nCount = 0;     // entries in use, heading included; the select-all row comes after them
    int m_nSelected = 0;  // the chosen row in radio mode, read by the dialog after it closed
    BOOL m_bNumbered = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::wstring RowText(int row, int column) const override;
    UINT RowStateImage(int row) const override;

private:
    bool BuildRows();  // false when there is nothing to show
    void StoreItems(int nCount, int nMode, int nSelected, const int* pStates, std::vector<std::wstring> names);
    LRESULT OnPress(UINT message, WPARAM flags, LPARAM point);
    LRESULT OnSpaceKey();
    void HandleClick(int nItem, UINT nFlags);
    void UseCheckBoxes();
    void UseRadioImages();
    void DetachOwnImages();
    int ColumnWidth() const;
    void FitCheckBoxesToDpi();
    int RowCount() const;  // the names' items, and the select-all row in check mode
    UINT CheckImage(int row) const;  // the state image the model asks for
    UINT RadioImage(int row) const;
    void SelectChosenRow(bool scrollIntoView) const;
    void ChooseRow(int row);  // radio mode: the radio and the selection move to the row
    void FollowKeyboardSelection();

    core::ChoiceNames m_names;
    core::CheckStates m_states;
    bool m_bHasStates = false;  // set up in check mode at least once
    bool m_bHasItems = false;   // SetListItems was called
    platform::CImageList m_imageList;   // the radio images at the list's DPI
    platform::CImageList m_checkBoxes;  // the platform's check boxes drawn again at the list's DPI
};
