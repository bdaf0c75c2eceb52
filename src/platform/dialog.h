// CDialog: a modal dialog from a template of the library's resources. Owns the only dialog
// procedure: binds `this` through WM_INITDIALOG's lParam, dispatches to a few typed virtuals and
// hands the rest to OnMessage, reflects child notifications to the controls bound with
// DDX_Control, and lets no exception out.
// A run reports IDOK only when OK ended it: a dialog loop that stopped at the thread's WM_QUIT (and
// posted it again), a window destroyed with its owner, or an exception is a failure, noted as the
// running call's failure (call_failure.h).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialog_layout.h"
#include "platform/wnd.h"

namespace platform {

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) noexcept : m_nIDTemplate(templateId) {}

    // Runs the dialog modally; IDOK, IDCANCEL, or -1 when it could not be created or failed.
    INT_PTR DoModal();

    // Exchanges data between the controls and the members; false when a check failed.
    bool UpdateData(bool saveAndValidate = true);

    // Makes the parent hand WM_DRAWITEM and WM_NOTIFY of this child back to `control`.
    void ReflectTo(CWnd& control);

    void EndDialog(INT_PTR result);
    // Ends the run so that DoModal reports a failure, whatever else ends it later.
    void EndAsFailure() noexcept;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    // The template's list `controlId` is made with LVS_OWNERDATA, for a CVirtualListCtrl bound
    // to it (which would otherwise make it again with the style). Called by the constructor.
    void CreateAsOwnerData(int controlId) { m_ownerDataLists.push_back(controlId); }

    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
    // Base: exchanges data into the controls. Return TRUE to let the platform set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // Every message the dialog does not route itself (all but WM_INITDIALOG, WM_COMMAND,
    // WM_NOTIFY and WM_DRAWITEM), with a dialog procedure's return: TRUE when handled, with any
    // result in DWLP_MSGRESULT, FALSE to leave it to the platform's dialog handling.
    virtual INT_PTR OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return FALSE; }
    // The base tells every control bound with DDX_Control; a dialog that sized its controls
    // itself does so again after it.
    void OnDpiChanged(int dpi) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR InitDialog();
    bool ReflectDrawItem(DRAWITEMSTRUCT& item);
    bool ReflectNotify(NMHDR& header, LRESULT& result);
    INT_PTR DpiChanged(WPARAM wParam, LPARAM lParam);
    INT_PTR RunTemplate();

    UINT m_nIDTemplate;
    std::vector<int> m_ownerDataLists;
    HWND m_hWndOwner = nullptr;
    bool m_failed = false;
    bool m_ended = false;  // EndDialog was called: a window destroyed without it did not end well
    bool m_created = false;           // WM_INITDIALOG came: the window was made
    bool m_destroyedUnended = false;  // gone without EndDialog: with its owner, at WM_QUIT, or destroyed
    bool m_platformDpiChange = false;  // the dialog manager's own handling of WM_DPICHANGED runs
    std::vector<CWnd*> m_reflectTargets;
    DialogLayout m_layout;  // where the library lays the dialog out for another DPI itself
};

}  // namespace platform
