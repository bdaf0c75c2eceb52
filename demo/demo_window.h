// The demo host's main window: the exports in a list, an edit box for each of the chosen
// export's variables (prefilled with sample data; "null" passes a null pointer), a check box for
// a null pResult, a Call button and a read-only log of what the calls gave back. It is the active window when an export runs, so it owns the dialog.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win_handles.h"

namespace demo {

class DemoWindow {
public:
    DemoWindow();
    ~DemoWindow();
    DemoWindow(const DemoWindow&) = delete;
    DemoWindow& operator=(const DemoWindow&) = delete;

    // Creates the window, hidden; false when it cannot be created.
    bool Create(HINSTANCE instance);
    HWND Handle() const noexcept { return m_hwnd; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Guarded(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Proc(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    bool OnCommand(int id, int code);
    void OnSize(int width, int height);

    HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, int id, DWORD exStyle = 0);
    void ShowExport(std::size_t index);
    void KeepTypedValues();
    void FillValues(const std::vector<std::wstring>& texts);
    void CallExport();
    void RestoreSamples();
    void AppendLog(const std::wstring& line);
    void Layout();

    HWND m_hwnd = nullptr;
    UniqueFont m_font;
    int m_lineHeight = 16;
    HWND m_exports = nullptr;
    HWND m_title = nullptr;
    HWND m_call = nullptr;
    HWND m_samples = nullptr;
    HWND m_nullResult = nullptr;  // check box: call with a null pResult
    HWND m_log = nullptr;
    // The chosen export's labels and edit boxes, made again for each export; destroyed before the
    // window's own children go.
    std::vector<UniqueWindow> m_labels;
    std::vector<UniqueWindow> m_values;
    std::size_t m_current = 0;
    std::vector<std::vector<std::wstring>> m_texts;  // what the user typed, per export
};

}  // namespace demo
