// The main window: building its controls, laying them out, and calling the chosen export.
#include "demo_window.h"

#include <algorithm>

#include "catalogue/export_table.h"
#include "gbk_text.h"

namespace demo {

using namespace catalogue;  // the exports, their arguments and calls
namespace {

constexpr wchar_t kClassName[] = L"KorvelDemoWindow";
constexpr int kExportsId = 100;
constexpr int kTitleId = 101;
constexpr int kCallId = 102;
constexpr int kSamplesId = 103;
constexpr int kLogId = 104;
constexpr int kNullResultId = 105;
constexpr int kFirstLabelId = 200;
constexpr int kFirstValueId = 300;

constexpr int kMargin = 10;
constexpr int kListWidth = 180;
constexpr int kLabelWidth = 100;
constexpr int kButtonWidth = 100;
constexpr int kRowsShown = 8;  // the argument area is as high as this many rows, whatever the export

// The dialogs use 宋体 9 pt; so does the host, with the Chinese character set so that any
// system finds a font that has the sample names.
UniqueFont CreateHostFont(int& lineHeight) {
    WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    UniqueFont font(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                L"宋体"));
    if (screen.get() && font) {
        SelectGuard select(screen.get(), font.get());
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(screen.get(), &metrics)) lineHeight = metrics.tmHeight;
    }
    return font;
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

std::wstring KindHint(ArgKind kind) {
    switch (kind) {
    case ArgKind::ResultIn: return L"  (in)";
    case ArgKind::IntArray: return L"  (ints)";
    case ArgKind::FloatArray: return L"  (floats)";
    case ArgKind::Names: return L"  (a | b)";
    case ArgKind::Int:
    case ArgKind::Caption: break;
    }
    return {};
}

}  // namespace

DemoWindow::DemoWindow() {
    for (const ExportEntry& entry : Exports()) m_texts.push_back(SampleTexts(entry.args));
}

DemoWindow::~DemoWindow() {
    if (m_hwnd) DestroyWindow(m_hwnd);
}

bool DemoWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DemoWindow::WndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    // WS_EX_CONTROLPARENT: Tab walks through the controls (IsDialogMessage in the message loop).
    return CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"Korvel demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, 760, 560, nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK DemoWindow::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DemoWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hwnd = hwnd;
    }
    auto* self = reinterpret_cast<DemoWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->Guarded(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}

LRESULT DemoWindow::Guarded(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return Proc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into user32; a window that could not be built is not created.
        return message == WM_CREATE ? -1 : DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

LRESULT DemoWindow::Proc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_DESTROY:
        // The edit boxes go first, while the window still holds them.
        m_labels.clear();
        m_values.clear();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

HWND DemoWindow::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, int id, DWORD exStyle) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, m_hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), FALSE);
    return control;
}

void DemoWindow::OnCreate() {
    m_font = CreateHostFont(m_lineHeight);
    m_exports = AddControl(L"LISTBOX", L"", WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           kExportsId);
    m_title = AddControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kTitleId);
    m_call = AddControl(L"BUTTON", L"Call", WS_TABSTOP | BS_DEFPUSHBUTTON, kCallId);
    m_samples = AddControl(L"BUTTON", L"Sample data", WS_TABSTOP | BS_PUSHBUTTON, kSamplesId);
    m_nullResult = AddControl(L"BUTTON", L"null pResult", WS_TABSTOP | BS_AUTOCHECKBOX, kNullResultId);
    m_log = AddControl(L"EDIT", L"", WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                       kLogId);
    for (const ExportEntry& entry : Exports())
        SendMessageW(m_exports, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromUtf8(entry.name).c_str()));
    SendMessageW(m_exports, LB_SETCURSEL, 0, 0);
    ShowExport(0);
}

bool DemoWindow::OnCommand(int id, int code) {
    switch (id) {
    case kExportsId:
        if (code == LBN_SELCHANGE) {
            const LRESULT chosen = SendMessageW(m_exports, LB_GETCURSEL, 0, 0);
            if (chosen != LB_ERR) {
                KeepTypedValues();
                ShowExport(static_cast<std::size_t>(chosen));
            }
        }
        return true;
    // Return in an edit box comes as IDOK: IsDialogMessage asks for the default button.
    case IDOK:
    case kCallId: CallExport(); return true;
    case kSamplesId: RestoreSamples(); return true;
    case IDCANCEL: return true;  // Escape leaves the window open
    }
    return false;
}

void DemoWindow::OnSize(int, int) { Layout(); }

void DemoWindow::ShowExport(std::size_t index) {
    const std::vector<ExportEntry>& exports = Exports();
    if (index >= exports.size()) return;
    m_current = index;
    const ExportEntry& entry = exports[index];
    SetWindowTextW(m_title, entry.title);

    m_labels.clear();
    m_values.clear();
    // Each new control goes right after the previous one, so Tab walks the rows in order.
    HWND previous = m_title;
    for (std::size_t i = 0; i < entry.args.size(); ++i) {
        const Argument& arg = entry.args[i];
        const int id = static_cast<int>(i);
        HWND label = AddControl(L"STATIC", (FromUtf8(arg.name) + KindHint(arg.kind)).c_str(), SS_LEFT | SS_NOPREFIX,
                                kFirstLabelId + id);
        m_labels.emplace_back(label);
        HWND value = AddControl(L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, kFirstValueId + id,
                                WS_EX_CLIENTEDGE);
        m_values.emplace_back(value);
        SetWindowPos(label, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(value, label, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = value;
    }
    FillValues(m_texts[index]);
    Layout();
}

void DemoWindow::KeepTypedValues() {
    std::vector<std::wstring>& texts = m_texts[m_current];
    for (std::size_t i = 0; i < m_values.size() && i < texts.size(); ++i) texts[i] = WindowText(m_values[i].get());
}

void DemoWindow::FillValues(const std::vector<std::wstring>& texts) {
    for (std::size_t i = 0; i < m_values.size() && i < texts.size(); ++i)
        SetWindowTextW(m_values[i].get(), texts[i].c_str());
}

void DemoWindow::RestoreSamples() {
    m_texts[m_current] = SampleTexts(Exports()[m_current].args);
    FillValues(m_texts[m_current]);
}

void DemoWindow::CallExport() {
    KeepTypedValues();
    const ExportEntry& entry = Exports()[m_current];
    std::size_t badArg = 0;
    std::optional<HostCall> call = HostCall::Parse(entry.args, m_texts[m_current], &badArg);
    if (!call) {
        const ArgKind kind = entry.args[badArg].kind;
        const bool array = kind != ArgKind::Int && kind != ArgKind::ResultIn;
        const std::wstring message =
            FromUtf8(entry.args[badArg].name) +
            (array ? L" takes numbers separated by spaces, or null." : L" takes a whole number, or null.");
        MessageBoxW(m_hwnd, message.c_str(), L"Korvel demo", MB_OK | MB_ICONWARNING);
        SetFocus(m_values[badArg].get());
        SendMessageW(m_values[badArg].get(), EM_SETSEL, 0, -1);
        return;
    }
    if (SendMessageW(m_nullResult, BM_GETCHECK, 0, 0) == BST_CHECKED) call->SetNullResult();
    const std::string before = call->DescribeVariables();
    entry.call(*call);  // modal: this window is disabled until the dialog closes
    AppendLog(FromUtf8(std::string(entry.name) + "   in: " + before + "   out: " + call->Describe()));
    // The host's variables now hold what came back; the next call starts from them.
    m_texts[m_current] = call->Texts();
    FillValues(m_texts[m_current]);
}

void DemoWindow::AppendLog(const std::wstring& line) {
    const LRESULT end = SendMessageW(m_log, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(m_log, EM_SETSEL, static_cast<WPARAM>(end), end);
    const std::wstring text = (end > 0 ? L"\r\n" : L"") + line;
    SendMessageW(m_log, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void DemoWindow::Layout() {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    const int editHeight = m_lineHeight + 8;
    const int rowHeight = editHeight + 6;
    const int buttonHeight = m_lineHeight + 12;

    const int right = kMargin + kListWidth + kMargin;
    const int rightWidth = std::max(width - right - kMargin, kLabelWidth + 50);
    const int rowsTop = kMargin + m_lineHeight + 10;
    const int buttonsTop = rowsTop + kRowsShown * rowHeight + 4;
    const int topHeight = buttonsTop + buttonHeight - kMargin;

    MoveWindow(m_exports, kMargin, kMargin, kListWidth, topHeight, TRUE);
    MoveWindow(m_title, right, kMargin, rightWidth, m_lineHeight + 4, TRUE);
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const int y = rowsTop + static_cast<int>(i) * rowHeight;
        MoveWindow(m_labels[i].get(), right, y + 4, kLabelWidth, m_lineHeight + 2, TRUE);
        MoveWindow(m_values[i].get(), right + kLabelWidth, y, rightWidth - kLabelWidth, editHeight, TRUE);
    }
    MoveWindow(m_call, right + kLabelWidth, buttonsTop, kButtonWidth, buttonHeight, TRUE);
    MoveWindow(m_samples, right + kLabelWidth + kButtonWidth + 8, buttonsTop, kButtonWidth, buttonHeight, TRUE);
    MoveWindow(m_nullResult, right + kLabelWidth + 2 * (kButtonWidth + 8), buttonsTop, kButtonWidth, buttonHeight, TRUE);
    const int logTop = kMargin + topHeight + kMargin;
    MoveWindow(m_log, kMargin, logTop, std::max(width - 2 * kMargin, 0), std::max(height - logTop - kMargin, 0), TRUE);
}

}  // namespace demo
