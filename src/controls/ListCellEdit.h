// CListCellEdit: the box in which one cell of a CListCtrlEx is edited in place. It owns itself:
// created on the heap for one edit, it deletes itself when its window is destroyed. Losing the
// focus, for whatever reason, ends the edit: the list gets the text (or, after Escape, nothing).
#pragma once
#include <windows.h>

#include <string>

#include "platform/edit.h"

class CListCellEdit : public platform::CEdit {
public:
    static constexpr int kControlId = 1000;

    CListCellEdit(int row, int column, std::wstring text);

    // Creates the box as a child of `list` over `rect` (list client coordinates) with the list's
    // font and the cell's text, all selected, and gives it the focus. From then on the window
    // owns this object. False when no window could be created.
    bool Open(HWND list, const RECT& rect, DWORD alignment);

    int m_nRow;
    int m_nColumn;
    std::wstring m_strText;  // the cell's text when the edit began
    BOOL m_bCancelled = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnStartComposition(WPARAM wParam, LPARAM lParam);
    void GetSel(DWORD& start, DWORD& end) const;
    // The box's text with `composed` put where the composition began, in place of what was
    // selected then.
    std::wstring TextWithComposition(const std::wstring& composed) const;
    void GrowToFitText();
    void SendEndEdit();
    HWND List() const { return GetParent(m_hWnd); }

    bool m_bClosing = false;  // the edit has ended or the window is going
    // The box as the last composition found it: an input method may show what it composes in
    // the box's text (Wine's does) or apart from it (Windows'), so the text is built from this.
    std::wstring m_strBeforeComposition;
    DWORD m_selectionStart = 0, m_selectionEnd = 0;
    bool m_bComposed = false;
};
