// CVirtualListCtrl: a report list whose rows live with its owner, not in the control
// (LVS_OWNERDATA): the list holds only the row count, the selection and the focus, and asks for
// a row's texts and state image as it draws them. Opening and closing then cost the same at any
// number of rows; a list that stores its rows takes time that grows with the square of their
// number to tear them down under Wine (each row's record is looked up from the first), about two
// minutes at a million rows.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/list_ctrl.h"

namespace platform {

class CVirtualListCtrl : public CListCtrl {
public:
    // Binds the template's list. A list takes LVS_OWNERDATA only when it is created: the dialog
    // makes it with the style (CDialog::CreateAsOwnerData), else it is made again here in its
    // place, size, tab order and font.
    bool SubclassDlgItem(int id, HWND parent) override;

    // Shows `rows` rows, drawn afresh; the list keeps no selection or focus from before.
    void SetRowCount(int rows) const;
    // The rows' state images are the owner's too (RowStateImage).
    void StateImagesFromOwner() const { SendMessage(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK); }
    // Repaints the rows now on screen.
    void RedrawVisibleRows() const;
    // The selected row, or -1: the focused row when it is the selected one, as in a list of one
    // selection it nearly always is (one message), else a search from the first row.
    int SelectedRow() const;
    // Deselects the selected row, one message. Call it before the selection moves: Wine moves
    // the selection of a list like this one by deselecting every row in turn unless none is
    // selected (about 0.6 microseconds a row: 6 ms a press at 10,000 rows, 0.6 s at a million).
    void ClearSelection() const;

protected:
    // The text of a row's column; every row of 0 <= row < GetItemCount() has one.
    virtual std::wstring RowText(int row, int column) const = 0;
    // The row's state image (INDEXTOSTATEIMAGEMASK), asked for once StateImagesFromOwner is set.
    virtual UINT RowStateImage(int /*row*/) const { return 0; }
    // The list's other notifications, reflected by the parent dialog.
    virtual bool OnListNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

private:
    bool OnReflectedNotify(NMHDR& header, LRESULT& result) final;
    void AnswerDisplayInfo(NMLVDISPINFOW& info) const;
    int FindRow(const NMLVFINDITEMW& find) const;
};

}  // namespace platform
