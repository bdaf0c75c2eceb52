// korvel-demo: a host of Korvel.dll. Without arguments it opens its window to call any export
// with values of one's own; with --gallery <folder> it shows every dialog with sample data,
// saves its picture and reports what came back.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "demo_window.h"
#include "gallery.h"
#include "win_handles.h"

namespace {

struct LocalCloser {
    void operator()(LPWSTR* h) const noexcept { LocalFree(h); }
};

std::vector<std::wstring> Arguments() {
    int count = 0;
    demo::Unique<LPWSTR*, LocalCloser> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> arguments;
    for (int i = 1; argv && i < count; ++i) arguments.emplace_back(argv.get()[i]);
    return arguments;
}

int RunMessageLoop(HWND window) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const std::vector<std::wstring> arguments = Arguments();
    const bool gallery = !arguments.empty() && arguments[0] == L"--gallery";
    if ((gallery && arguments.size() != 2) || (!gallery && !arguments.empty())) {
        MessageBoxW(nullptr, L"korvel-demo.exe [--gallery <folder>]", L"Korvel demo", MB_OK | MB_ICONINFORMATION);
        return 2;
    }

    // The demo's own buttons and boxes in the look of common controls 6 (its manifest); the
    // library registers the list and tree views its dialogs need itself.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    demo::DemoWindow window;
    if (!window.Create(instance)) return 1;
    if (gallery) {
        ShowWindow(window.Handle(), SW_SHOWNORMAL);
        UpdateWindow(window.Handle());
        return demo::RunGallery(window.Handle(), arguments[1]) == 0 ? 0 : 1;
    }
    ShowWindow(window.Handle(), show);
    UpdateWindow(window.Handle());
    return RunMessageLoop(window.Handle());
}
