// Drives a library dialog as a person would: the export runs on the test's main thread inside
// its modal loop, while a script on a second thread presses controls with posted mouse and key
// messages (which go through the controls' own hit testing and handling) and reads what they show.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    explicit DialogDriver(HWND dialog) noexcept : m_dialog(dialog) {}

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
    // The close box of the title bar.
    void CloseBox();
    // Waits until the dialog's modal loop has handled everything posted so far.
    void Sync();
    // Waits for the dialog to close; false if it is still open after `ms` milliseconds.
    bool WaitClosed(DWORD ms = 3000);
    // Waits for a dialog this one opened (a nested dialog or a message box: the enabled dialog
    // of the same thread that is not this one); null if none appears within `ms` milliseconds.
    HWND WaitForOtherDialog(DWORD ms = 3000) const;

    std::wstring Text(HWND window) const;
    std::wstring ItemText(int id) const { return Text(Item(id)); }
    bool Checked(int id) const;
    HWND Focus() const;

private:
    HWND m_dialog;
};

struct DialogRun {
    bool appeared = false;  // a dialog was shown
    bool leftOpen = false;  // the script returned with the dialog still open (then cancelled)
};

// Calls `call` (which shows a dialog) on this thread and runs `script` against the dialog on
// another. If no dialog appears, the script does not run. A dialog the script leaves open, or
// one still open after timeoutMs, is cancelled (with every dialog it opened), so a fault fails
// one test instead of hanging.
DialogRun RunDialog(const std::function<void()>& call, const std::function<void(DialogDriver&)>& script,
                    DWORD timeoutMs = 15000);
