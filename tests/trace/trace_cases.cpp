// The calls: bad pointers, a call refused while another is open, a host shutting down, a dialog
// that cannot be made, and the user's own ways out, which must write nothing.
#include "trace_cases.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <stdexcept>

#include "dialog_driver.h"
#include "dialog_refusal.h"
#include "every_export.h"
#include "host_window.h"
#include "korvel_library.h"
#include "list_view.h"
#include "resource.h"

namespace {

const SampleExport& Sample(const std::string& name) {
    for (const SampleExport& e : SampleExports())
        if (name == e.name) return e;
    throw std::runtime_error("no sample call of " + name);
}

// Calls the sample of `name` on this thread while `script` runs against its dialog; the result.
int CallSample(const std::string& name, const std::function<void(DialogDriver&)>& script,
               bool* appeared = nullptr, Expect expect = Expect::Dialog) {
    const SampleExport& which = Sample(name);
    SampleHost host = which.sample();
    const DialogRun run = RunDialog([&] { which.call(host); }, script, expect);
    if (appeared) *appeared = run.appeared;
    return host.result;
}

// The calls with a null pointer: the host's variables, and each call's result variable.
int g_ints[8] = {4, 1, 1, 1, 1, 1, 1, 1};
float g_values[4] = {1, 2, 3, 4};
unsigned long g_colors[4] = {};
int g_result = -7;  // each call's: -7 shows that it was not written
const char kNames[] = "A|B|C|D";

struct NullCall {
    const char* exportName;
    const char* argument;
    void (*call)();
};

const NullCall kNullCalls[] = {
    {"FXJG_SHOWZB_DLG", "pResult",
     [] { KORVEL_EXPORT(FXJG_SHOWZB_DLG)(nullptr, &g_ints[0], &g_ints[1], kNames, "ZB"); }},
    {"SDP_SHOWDWY_DLG", "pResult",
     [] { KORVEL_EXPORT(SDP_SHOWDWY_DLG)(nullptr, &g_ints[0], &g_ints[1], g_values, g_colors); }},
    {"MEMB_DESIGN_INOF_SHOWDLG", "pResult",
     [] { KORVEL_EXPORT(MEMB_DESIGN_INOF_SHOWDLG)(nullptr, nullptr, &g_ints[0]); }},
    {"FXJG_SHOWND_DLG", "pCount",
     [] { KORVEL_EXPORT(FXJG_SHOWND_DLG)(&g_result, nullptr, &g_ints[1], &g_ints[2], kNames); }},
    {"FXJG_SHOWDH_DLG", "pSpeed",
     [] { KORVEL_EXPORT(FXJG_SHOWDH_DLG)(&g_result, &g_ints[0], &g_ints[1], nullptr, kNames); }},
    {"FXJG_SHOWWY_DLG", "pCase",
     [] {
         KORVEL_EXPORT(FXJG_SHOWWY_DLG)(&g_result, &g_ints[0], &g_ints[1], kNames, &g_ints[2], nullptr, kNames, "WY");
     }},
    {"FXJG_SHOWZHNL_DLG", "pColumns",
     [] { KORVEL_EXPORT(FXJG_SHOWZHNL_DLG)(&g_result, &g_ints[0], nullptr, &g_ints[1], kNames, "ZHNL"); }},
    {"FXJG_SHOWZX_DLG", "pChoice",
     [] {
         KORVEL_EXPORT(FXJG_SHOWZX_DLG)(&g_result, &g_ints[0], &g_ints[1], nullptr, &g_ints[2], kNames, "ZX");
     }},
    {"SDP_SHOWCOLOR_DLG", "pColors",
     [] { KORVEL_EXPORT(SDP_SHOWCOLOR_DLG)(&g_result, &g_ints[0], nullptr, kNames, nullptr); }},
    {"SDP_SHOWDWY_DLG", "pValues",
     [] { KORVEL_EXPORT(SDP_SHOWDWY_DLG)(&g_result, &g_ints[0], &g_ints[1], nullptr, g_colors); }},
    {"SJJG_SHOWZF_DLG", "pSwitches", [] { KORVEL_EXPORT(SJJG_SHOWZF_DLG)(&g_result, &g_ints[0], nullptr, "{A|B}"); }},
};

TraceCase NullCase(const NullCall& c) {
    const std::string argument = c.argument;
    const bool noResult = argument == "pResult";
    return {"null_" + argument + "_" + c.exportName,
            [c, noResult] {
                g_result = -7;
                const DialogRun run = RunDialog(c.call, [](DialogDriver&) {}, Expect::NoDialog);
                EXPECT_FALSE(run.appeared);
                EXPECT_EQ(g_result, noResult ? -7 : 1);
            },
            {"Korvel: " + std::string(c.exportName) + ": " + argument + " is null; nothing shown, " +
             (noResult ? "nothing stored" : "result 1")}};
}

// A WM_QUIT already in the queue ends the dialog as soon as its loop runs.
TraceCase QuitCase(const SampleExport& e) {
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
    for (const SampleExport& e : SampleExports()) cases.push_back(QuitCase(e));
    for (const UserEnd& e : kUserEnds) cases.push_back(UserEndCase(e));
    cases.push_back({"refused_while_open",
                     [] {
                         // The open dialog's call is then cancelled: the refused call's line only.
                         const int result = CallSample("FXJG_SHOWZB_DLG", [](DialogDriver& d) {
                             const SampleExport& other = Sample("FXJG_SHOWND_DLG");
                             SampleHost host = other.sample();
                             other.call(host);
                             EXPECT_EQ(host.result, 1);
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
