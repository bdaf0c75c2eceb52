// Drives a library dialog as a person would: the export runs on the test's main thread inside
// its modal loop, while a script on a second thread presses controls with posted mouse and key
// messages (which go through the controls' own hit testing and handling) and reads what they show.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    explicit DialogDriver(HWND dialog) noexcept
        : m_dialog(dialog), m_thread(GetWindowThreadProcessId(dialog, nullptr)) {}

    HWND Dialog() const noexcept { return m_dialog; }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    bool IsOpen() const { return IsWindow(m_dialog) != FALSE; }

    // Left button press and release at a point of the window's client area.
    void Click(HWND window, POINT client);
    void DoubleClick(HWND window, POINT client);
    // A press in the middle of control `id` (a push button or a radio button).
    void ClickItem(int id);
    // Key down and up, posted to the window that has the keyboard focus.
    void Key(UINT vk);
    void KeyTo(HWND window, UINT vk);
    // Characters as typing makes them (WM_CHAR), posted to the window that has the focus.
    void Type(const std::wstring& text);
    void TypeTo(HWND window, const std::wstring& text);
    // The close box of the title bar.
    void CloseBox();
    // Waits until the modal loop running the dialog has handled everything posted so far. A loop
    // that does not catch up within a few seconds fails the test.
    void Sync();
    // Waits for the dialog to close; false if it is still open after `ms` milliseconds.
    bool WaitClosed(DWORD ms = 3000);
    // A dialog this one opened (a nested dialog or a message box: an enabled dialog of the same
    // thread that is not this one), once the loop has caught up: null when none is open. What the
    // user did before has opened it by then; it may not be shown yet.
    HWND OtherDialog();
    // Waits until a dialog this one opened is shown; null if none is within `ms` milliseconds.
    HWND WaitForOtherDialog(DWORD ms = 3000);

    std::wstring Text(HWND window) const;
    std::wstring ItemText(int id) const { return Text(Item(id)); }
    bool Checked(int id) const;
    HWND Focus() const;

private:
    // Posts a marker to the dialog's thread and waits until its loop takes it. False when the
    // marker was not taken: the export has returned, or the loop is stuck (a failure).
    bool CatchUp();

    HWND m_dialog;
    DWORD m_thread;
};

// The ways out of a dialog other than OK, and taking one of them.
enum class Leave { CancelButton, Escape, CloseBox };
constexpr Leave kEveryWayButOk[] = {Leave::CancelButton, Leave::Escape, Leave::CloseBox};
void LeaveBy(DialogDriver& d, Leave way);

struct DialogRun {
    bool appeared = false;  // a dialog was shown
    bool leftOpen = false;  // the script returned with the dialog still open (then cancelled)
};

// Whether a call is to show its dialog; a run that does otherwise fails the test.
enum class Expect { Dialog, NoDialog };

// Calls `call` (which shows a dialog) on this thread and runs `script` against the dialog on
// another. If no dialog appears, the script does not run and the test fails, unless `expect`
// says none was to. A dialog the script leaves open, or one still open after timeoutMs, is
// cancelled (with every dialog it opened), so a fault fails one test instead of hanging.
DialogRun RunDialog(const std::function<void()>& call, const std::function<void(DialogDriver&)>& script,
                    Expect expect = Expect::Dialog, DWORD timeoutMs = 15000);
// Calls `call`, which is to show nothing: a dialog that appears fails the test and is cancelled.
DialogRun RunExpectingNoDialog(const std::function<void()>& call);
