// An exception thrown inside a handler must not leave a dialog running as if nothing happened: the
// dialog ends as a failure (so the export stores 1), the ones it was opened from end with it, and
// the control's default handling is not run a second time.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "fault_dialogs.h"
#include "platform/call_failure.h"
#include "platform/dialog.h"

namespace {

enum class Fault { None, ControlHandler, DialogHandler, NestedControlHandler, ControlHandlerThrowsNonStd };

const char* Name(Fault fault) {
    switch (fault) {
    case Fault::None: return "None";
    case Fault::ControlHandler: return "ControlHandler";
    case Fault::DialogHandler: return "DialogHandler";
    case Fault::NestedControlHandler: return "NestedControlHandler";
    case Fault::ControlHandlerThrowsNonStd: return "ControlHandlerThrowsNonStd";
    }
    return "";
}

core::FailureKind NotedFor(Fault fault) {
    if (fault == Fault::None) return core::FailureKind::None;
    if (fault == Fault::ControlHandlerThrowsNonStd) return core::FailureKind::UnknownException;
    return core::FailureKind::Exception;
}

// Presses that reached the button's own procedure: the counter replaces it before the control is
// subclassed, so it sits below every subclass.
int g_pressesHandled = 0;
WNDPROC g_buttonProc = nullptr;

LRESULT CALLBACK CountPresses(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++g_pressesHandled;
    return CallWindowProcW(g_buttonProc, hwnd, message, wParam, lParam);
}

// A control whose press handler runs the default handling and then fails.
class ThrowingButton : public platform::CWnd {
public:
    bool m_throw = false;
    bool m_throwNonStd = false;  // something that is no std::exception

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (message == WM_LBUTTONDOWN && m_throwNonStd) throw 42;
        if (message == WM_LBUTTONDOWN && m_throw) throw std::runtime_error("handler failed");
        return result;
    }
};

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr int kOpenNested = 2000;

// Presses its button once it shows; ends with OK after a while if nothing else ended it, so a
// fault that goes unnoticed shows as OK instead of hanging the test.
class FaultDialog : public platform::CDialog {
public:
    FaultDialog(Fault fault, bool nested) : CDialog(IDD_FAULT), m_fault(fault), m_nested(nested) {}
    INT_PTR m_nestedResult = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        HWND press = GetDlgItem(IDC_PRESS);
        g_buttonProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(press, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountPresses)));
        m_button.SubclassDlgItem(IDC_PRESS, m_hWnd);
        m_button.m_throw = (m_fault == Fault::ControlHandler) || (m_fault == Fault::NestedControlHandler && m_nested);
        m_button.m_throwNonStd = m_fault == Fault::ControlHandlerThrowsNonStd;
        SetTimer(m_hWnd, kGiveUpTimer, 1500, &GiveUp);
        if (m_fault == Fault::NestedControlHandler && !m_nested)
            PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(kOpenNested, BN_CLICKED), 0);
        else
            PostPress(press);
        return TRUE;
    }
    bool OnCommand(int id, int code, HWND) override {
        if (id == kOpenNested) {
            FaultDialog nested(m_fault, true);
            m_nestedResult = nested.DoModal();
            return true;
        }
        if (id == IDC_PRESS && code == BN_CLICKED && m_fault == Fault::DialogHandler)
            throw std::runtime_error("handler failed");
        return false;
    }

private:
    static void CALLBACK GiveUp(HWND hwnd, UINT, UINT_PTR id, DWORD) {
        KillTimer(hwnd, id);
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    static void PostPress(HWND button) {
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    Fault m_fault;
    bool m_nested;
    ThrowingButton m_button;
};

class HandlerFaultTest : public testing::TestWithParam<Fault> {};

TEST_P(HandlerFaultTest, EndsEveryOpenDialogAsFailure) {
    const Fault fault = GetParam();
    g_pressesHandled = 0;
    const platform::CallRecord record("FAULT_TEST");
    FaultDialog dialog(fault, false);
    const INT_PTR result = dialog.DoModal();
    const core::Failure& noted = platform::NotedFailure();
    if (fault == Fault::None) {
        EXPECT_EQ(result, IDOK);  // the give-up timer: the test's own way out works
    } else {
        EXPECT_NE(result, IDOK);
    }
    // The failure noted for the line that says why is the exception, not the dialogs it ended.
    EXPECT_EQ(noted.kind, NotedFor(fault));
    if (noted.kind == core::FailureKind::Exception) {
        EXPECT_STREQ(noted.text, "handler failed");
    }
    if (fault == Fault::NestedControlHandler) {
        EXPECT_NE(dialog.m_nestedResult, IDOK);
    }
    EXPECT_EQ(g_pressesHandled, 1) << "the control's default handling ran once per press";
}

INSTANTIATE_TEST_SUITE_P(Faults, HandlerFaultTest,
                         testing::Values(Fault::None, Fault::ControlHandler, Fault::DialogHandler,
                                         Fault::NestedControlHandler, Fault::ControlHandlerThrowsNonStd),
                         [](const testing::TestParamInfo<Fault>& i) { return std::string(Name(i.param)); });

// A template the module does not hold: the dialog is never made, and the failure keeps its id and
// the system's error.
TEST(DialogCreationTest, MissingTemplateIsNotedWithItsIdAndError) {
    constexpr UINT kMissing = 4321;
    const platform::CallRecord record("FAULT_TEST");
    platform::CDialog dialog(kMissing);
    EXPECT_EQ(dialog.DoModal(), -1);
    const core::Failure& noted = platform::NotedFailure();
    EXPECT_EQ(noted.kind, core::FailureKind::NotCreated);
    EXPECT_EQ(noted.id, kMissing);
    EXPECT_NE(noted.error, 0u);
}

}  // namespace
