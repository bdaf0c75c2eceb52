// One gallery step per export: call under a catcher, write the picture, report the variables.
#include "gallery.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "dialog_catcher.h"
#include "catalogue/export_table.h"
#include "gbk_text.h"
#include "png_writer.h"
#include "report.h"
#include "watchdog.h"
#include "win_handles.h"

namespace demo {

using namespace catalogue;  // the exports, their arguments and calls
namespace {

constexpr unsigned kStepTimeoutMs = 30000;  // one export, from the call to the written picture
constexpr unsigned kTimedOutExitCode = 3;
constexpr DWORD kInnerDialogMs = 15000;  // for a dialog opened from a cell to be photographed and closed

bool WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    UniqueKernelHandle owner(file);
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Lets the host window repaint between two dialogs.
void HandlePendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Presses a cell of the caught dialog's list and photographs the dialog the press opens; that
// dialog's own catcher confirms it with OK. Runs inside the caught dialog's modal loop.
RgbImage PhotographCellDialog(HWND dialog, const InnerDialog& inner, std::string& problem) {
    HWND list = GetDlgItem(dialog, inner.listId);
    RECT cell{};
    cell.top = inner.column;
    cell.left = LVIR_BOUNDS;
    if (!list || !SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(inner.row), reinterpret_cast<LPARAM>(&cell))) {
        problem = "the cell to press was not found";
        return {};
    }
    DialogCatcher catcher;
    const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    const DWORD start = GetTickCount();
    while (!catcher.Finished() && GetTickCount() - start < kInnerDialogMs) {
        HandlePendingMessages();
        Sleep(10);
    }
    const std::string innerProblem = catcher.Problem();
    if (!innerProblem.empty()) problem = "the dialog opened from the cell: " + innerProblem;
    return catcher.Picture();
}

// Calls one export and reports it; true when its dialog (or the one opened from its cell) was
// photographed and closed with OK.
bool ShowOne(HWND host, const ExportEntry& entry, const InnerDialog* inner, const std::wstring& folder,
             Report& report) {
    std::size_t badArg = 0;
    std::optional<HostCall> call = HostCall::Parse(entry.args, SampleTexts(entry.args), &badArg);
    if (!call) {
        report.Line(std::string(entry.name) + ": the sample of " + entry.args[badArg].name + " is no valid value");
        return false;
    }
    // The dialog is owned by the active window, as when a user calls it from the host's menu.
    SetForegroundWindow(host);
    SetActiveWindow(host);

    RgbImage picture;
    std::string problem;
    bool closedByOk = false;
    {
        DialogCatcher catcher;
        if (inner) {
            catcher.PhotographInner([inner](HWND dialog, std::string& innerProblem) {
                return PhotographCellDialog(dialog, *inner, innerProblem);
            });
        }
        entry.call(*call);
        picture = catcher.Picture();
        problem = catcher.Problem();
        closedByOk = catcher.ClosedByOk();
    }
    const std::string shot = std::string(entry.name) + (inner ? std::string("_") + inner->suffix : "");
    const std::string file = shot + ".png";
    bool ok = closedByOk && problem.empty() && call->ResultCode() == 0;
    if (!ok && problem.empty())
        problem = "OK was pressed but the export stored result " + std::to_string(call->ResultCode());
    if (picture.width > 0) {
        const std::vector<std::uint8_t> png = EncodePng(picture.width, picture.height, picture.rgb);
        if (png.empty() || !WriteBytes(folder + L"\\" + FromUtf8(file), png)) {
            ok = false;
            if (problem.empty()) problem = "the picture could not be written";
        }
    }
    std::string line = shot + ": " + call->Describe();
    if (picture.width > 0)
        line += "  (" + file + " " + std::to_string(picture.width) + "x" + std::to_string(picture.height) + ")";
    if (!problem.empty()) line += "  FAILED: " + problem;
    report.Line(line);
    return ok;
}

}  // namespace

int RunGallery(HWND host, const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);  // it may exist already; the report's file tells
    Report report(folder + L"\\gallery.txt");
    if (!report.FileOpen()) {
        report.Line("gallery: FAILED: the folder cannot be written");
        return 1;
    }
    support::Watchdog watchdog([&report](const std::string& what) { report.Line(what + ": FAILED: timed out"); },
                               kTimedOutExitCode);

    // Every export's dialog, then the dialogs opened from their cells.
    std::vector<std::pair<const ExportEntry*, const InnerDialog*>> shots;
    for (const ExportEntry& entry : Exports()) shots.emplace_back(&entry, nullptr);
    for (const InnerDialog& inner : InnerDialogs())
        for (const ExportEntry& entry : Exports())
            if (std::string(entry.name) == inner.exportName) shots.emplace_back(&entry, &inner);
    int failures = 0;
    for (const auto& [entry, inner] : shots) {
        HandlePendingMessages();
        watchdog.Arm(entry->name, kStepTimeoutMs);
        if (!ShowOne(host, *entry, inner, folder, report)) ++failures;
        watchdog.Disarm();
    }
    report.Line("gallery: " + std::to_string(shots.size() - static_cast<std::size_t>(failures)) + " of " +
                std::to_string(shots.size()) + " dialogs captured and closed");
    return failures;
}

}  // namespace demo
