// The calls: bad pointers, a call refused while another is open, a host shutting down, a dialog
// that cannot be made, and the user's own ways out, which must write nothing.
#include "trace_cases.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/export_table.h"
#include "dialog_driver.h"
#include "dialog_refusal.h"
#include "host_window.h"
#include "list_view.h"
#include "resource.h"

namespace {

using catalogue::ExportEntry;
using catalogue::HostCall;

// Calls the sample of `name` on this thread while `script` runs against its dialog; the result.
int CallSample(const std::string& name, const std::function<void(DialogDriver&)>& script,
               bool* appeared = nullptr, Expect expect = Expect::Dialog) {
    const ExportEntry& which = catalogue::ExportNamed(name);
    HostCall host = catalogue::SampleCall(which);
    const DialogRun run = RunDialog([&] { which.call(host); }, script, expect);
    if (appeared) *appeared = run.appeared;
    return host.ResultCode();
}

// A call of an export's sample with one pointer argument null.
struct NullCall {
    const char* exportName;
    const char* argument;
};

const NullCall kNullCalls[] = {
    {"FXJG_SHOWZB_DLG", "pResult"},   {"SDP_SHOWDWY_DLG", "pResult"},  {"MEMB_DESIGN_INOF_SHOWDLG", "pResult"},
    {"FXJG_SHOWND_DLG", "pCount"},    {"FXJG_SHOWDH_DLG", "pSpeed"},   {"FXJG_SHOWWY_DLG", "pCase"},
    {"FXJG_SHOWZHNL_DLG", "pColumns"}, {"FXJG_SHOWZX_DLG", "pChoice"}, {"SDP_SHOWCOLOR_DLG", "pColors"},
    {"SDP_SHOWDWY_DLG", "pValues"},   {"SJJG_SHOWZF_DLG", "pSwitches"},
};

// The result the call stored.
int CallWithNull(const NullCall& c) {
    const ExportEntry& entry = catalogue::ExportNamed(c.exportName);
    std::vector<std::wstring> texts = catalogue::SampleTexts(entry.args);
    bool nullResult = true;
    for (std::size_t i = 0; i < entry.args.size(); ++i) {
        if (std::string(entry.args[i].name) != c.argument || entry.args[i].kind == catalogue::ArgKind::ResultIn)
            continue;
        texts[i] = L"null";
        nullResult = false;
    }
    std::optional<HostCall> host = HostCall::Parse(entry.args, texts, nullptr);
    if (!host) throw std::logic_error(std::string(c.exportName) + ": the samples do not parse");
    if (nullResult) host->SetNullResult();
    entry.call(*host);
    return host->ResultCode();
}

TraceCase NullCase(const NullCall& c) {
    const std::string argument = c.argument;
    const bool noResult = argument == "pResult";
    return {"null_" + argument + "_" + c.exportName,
            [c, noResult] {
                int result = 0;
                const DialogRun run = RunDialog([&] { result = CallWithNull(c); }, [](DialogDriver&) {}, Expect::NoDialog);
                EXPECT_FALSE(run.appeared);
                if (!noResult) {  // a null pResult has nowhere to store one
                    EXPECT_EQ(result, 1);
                }
            },
            {"Korvel: " + std::string(c.exportName) + ": " + argument + " is null; nothing shown, " +
             (noResult ? "nothing stored" : "result 1")}};
}

// A WM_QUIT already in the queue ends the dialog as soon as its loop runs.
TraceCase QuitCase(const ExportEntry& e) {
    const std::string name = e.name;
    return {"quit_" + name,
            [name] {
                PostQuitMessage(3);
                // The loop ends before the dialog is ever shown.
                EXPECT_EQ(CallSample(name, [](DialogDriver&) {}, nullptr, Expect::NoDialog), 1);
                MSG msg;
                EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit stays queued";
            },
            {"Korvel: " + name + ": WM_QUIT ended the dialog; result 1"}};
}

// A press on a colour cell opens a dialog from the open one; it is refused, and the user then
// cancels: the nested failure is written at once, the cancel writes nothing.
void PressRefusedColourCell(const char* exportName, int list, int col) {
    DialogRefusal refusal;
    const int result = CallSample(exportName, [&](DialogDriver& d) {
        refusal.RefuseNext();
        const ListView view(d.Item(list));
        d.Click(view.Handle(), view.CellCenter(0, col));
        EXPECT_EQ(d.OtherDialog(), nullptr);
        EXPECT_TRUE(refusal.Used()) << "no dialog was opened to refuse";
        LeaveBy(d, Leave::CancelButton);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(result, 1);
}

// Wine's chooser answers a window it could not make with -1 and no error code; Windows' with
// FALSE and CDERR_DIALOGFAILURE.
bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// The user's ways out: each ends the dialog as the user chose, so no line.
struct UserEnd {
    const char* name;
    void (*leave)(DialogDriver& d);
    int result;
};

const UserEnd kUserEnds[] = {
    {"cancel_button", [](DialogDriver& d) { LeaveBy(d, Leave::CancelButton); }, 1},
    {"escape", [](DialogDriver& d) { LeaveBy(d, Leave::Escape); }, 1},
    {"close_box", [](DialogDriver& d) { LeaveBy(d, Leave::CloseBox); }, 1},
    {"ok", [](DialogDriver& d) { d.ClickItem(IDOK); }, 0},
};

TraceCase UserEndCase(const UserEnd& end) {
    return {std::string("user_") + end.name,
            [end] {
                const int result = CallSample("FXJG_SHOWZB_DLG", [&](DialogDriver& d) {
                    end.leave(d);
                    EXPECT_TRUE(d.WaitClosed());
                });
                EXPECT_EQ(result, end.result);
            },
            {}};
}

std::vector<TraceCase> MakeCases() {
    std::vector<TraceCase> cases;
    for (const NullCall& c : kNullCalls) cases.push_back(NullCase(c));
    for (const ExportEntry& e : catalogue::Exports()) cases.push_back(QuitCase(e));
    for (const UserEnd& e : kUserEnds) cases.push_back(UserEndCase(e));
    cases.push_back({"refused_while_open",
                     [] {
                         // The open dialog's call is then cancelled: the refused call's line only.
                         const int result = CallSample("FXJG_SHOWZB_DLG", [](DialogDriver& d) {
                             const ExportEntry& other = catalogue::ExportNamed("FXJG_SHOWND_DLG");
                             HostCall host = catalogue::SampleCall(other);
                             other.call(host);
                             EXPECT_EQ(host.ResultCode(), 1);
                             LeaveBy(d, Leave::CancelButton);
                             EXPECT_TRUE(d.WaitClosed());
                         });
                         EXPECT_EQ(result, 1);
                     },
                     {"Korvel: FXJG_SHOWND_DLG: refused, another call's dialog is open; nothing shown, result 1"}});
    cases.push_back({"owner_destroyed",
                     [] {
                         HWND owner = CreateHostWindow(100, 100, 600, 400);
                         const int result = CallSample("FXJG_SHOWZB_DLG", [&](DialogDriver& d) {
                             PostMessageW(owner, WM_CLOSE, 0, 0);  // the default handling destroys it
                             EXPECT_TRUE(d.WaitClosed());
                         });
                         EXPECT_FALSE(IsWindow(owner));
                         if (IsWindow(owner)) DestroyWindow(owner);
                         EXPECT_EQ(result, 1);
                     },
                     {"Korvel: FXJG_SHOWZB_DLG: the owner window was destroyed; result 1"}});
    cases.push_back({"not_created",
                     [] {
                         DialogRefusal refusal;
                         refusal.RefuseNext();
                         bool appeared = true;
                         EXPECT_EQ(CallSample("FXJG_SHOWZB_DLG", [](DialogDriver&) {}, &appeared, Expect::NoDialog), 1);
                         EXPECT_FALSE(appeared);
                         EXPECT_TRUE(refusal.Used()) << "no dialog was made to refuse";
                     },
                     {"Korvel: FXJG_SHOWZB_DLG: dialog " + std::to_string(IDD_FXJG_SHOWZB) +
                      " could not be created (error #); result 1"}});
    cases.push_back({"picker_not_created",
                     [] { PressRefusedColourCell("SDP_SHOWCOLOR_DLG", IDC_COLOR_LIST, 1); },
                     {"Korvel: SDP_SHOWCOLOR_DLG: dialog " + std::to_string(IDD_SDP_SELECTCOLOR) +
                      " could not be created (error #); the dialog goes on"}});
    cases.push_back({"chooser_not_created",
                     [] { PressRefusedColourCell("SDP_SHOWDWY_DLG", IDC_CONTOUR_LIST, 2); },
                     {std::string("Korvel: SDP_SHOWDWY_DLG: the colour chooser failed") +
                      (UnderWine() ? ": its window could not be created" : " (CommDlgExtendedError #)") +
                      "; the dialog goes on"}});
    return cases;
}

}  // namespace

const std::vector<TraceCase>& TraceCases() {
    static const std::vector<TraceCase> cases = MakeCases();
    return cases;
}

void PrintTo(const TraceCase& c, std::ostream* os) { *os << c.name; }

std::string CaseMarker(const std::string& name) { return "korvel-trace-case " + name + "\n"; }

bool LineMatches(const std::string& line, const std::string& pattern) {
    std::size_t at = 0;
    for (const char p : pattern) {
        if (p != '#') {
            if (at >= line.size() || line[at] != p) return false;
            ++at;
            continue;
        }
        const std::size_t digits = at;
        while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
        if (at == digits) return false;
    }
    return at == line.size();
}
