// The dialog templates in the module: title, size, font, style and every control as laid out; and
// the lists the library puts in a template list's place, which keep its place, size, tab order,
// style and font.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_template.h"
#include "every_export.h"
#include "korvel_library.h"
#include "resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kOk = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCancel = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kFirstRadio = kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kCaseList =
    kChild | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP;
constexpr DWORD kGridList = kCaseList | LVS_NOCOLUMNHEADER | LVS_OWNERDRAWFIXED;
constexpr DWORD kBorderlessList = kCaseList & ~static_cast<DWORD>(WS_BORDER);
constexpr DWORD kPushButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kSwatch = kChild | BS_OWNERDRAW | BS_FLAT | WS_TABSTOP;

struct Expected {
    int id;
    std::wstring title;
    RECT rect;
    std::vector<TemplateControl> controls;
};

TemplateControl Button(int id, const wchar_t* text, DWORD style, RECT rect) { return {id, L"BUTTON", text, style, rect}; }
TemplateControl List(DWORD style, RECT rect, int id = IDC_LIST_BUTTONS) { return {id, L"SYSLISTVIEW32", L"List1", style, rect}; }
TemplateControl SwitchList(int id, RECT rect) { return {id, L"SYSLISTVIEW32", L"", kCaseList, rect}; }
TemplateControl Label(const wchar_t* text, RECT rect) { return {-1, L"STATIC", text, kChild | SS_LEFT | WS_GROUP, rect}; }

// The picker: OK, Cancel, sixteen swatches in two rows of eight, the preview and its label.
std::vector<TemplateControl> PickerControls() {
    std::vector<TemplateControl> controls{Button(IDOK, L"确定", kOk, {77, 79, 50, 14}),
                                          Button(IDCANCEL, L"取消", kCancel, {136, 79, 50, 14})};
    for (int k = 0; k < 16; ++k) {
        const std::wstring text = L"Button" + std::to_wstring(k + 1);
        controls.push_back(Button(IDC_SWATCH_FIRST + k, text.c_str(), kSwatch, {7 + 23 * (k % 8), k < 8 ? 7 : 23, 18, 12}));
    }
    controls.push_back({IDC_COLOR_PREVIEW, L"STATIC", L"", kChild | SS_BLACKFRAME, {7, 56, 58, 37}});
    controls.push_back(Label(L"颜色预览", {7, 45, 33, 8}));
    return controls;
}

const std::vector<Expected>& Templates() {
    static const std::vector<Expected> templates{
        {IDD_MEMB_DESIGN_INFO, L"构件设计结果显示开关", {0, 0, 469, 321},
         {Button(IDOK, L"确定", kOk, {137, 300, 50, 14}), Button(IDCANCEL, L"取消", kCancel, {317, 300, 50, 14}),
          SwitchList(IDC_LIST_BEAM, {7, 22, 103, 103}), Label(L"梁结果显示", {7, 7, 41, 8}), SwitchList(IDC_LIST_COLUMN, {121, 22, 100, 103}),
          Label(L"柱结果显示", {121, 7, 41, 8}), SwitchList(IDC_LIST_WALL, {7, 155, 100, 103}), Label(L"墙结果显示", {9, 140, 41, 8}),
          SwitchList(IDC_LIST_SLAB, {117, 155, 104, 103}), Label(L"板结果显示", {119, 140, 41, 8}),
          {IDC_MEMBER_TREE, L"SYSTREEVIEW32", L"",
           kChild | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP |
               TVS_NOTOOLTIPS | TVS_FULLROWSELECT | TVS_NONEVENHEIGHT | WS_TABSTOP,
           {235, 21, 164, 253}}}},
        {IDD_FXJG_SHOWDH, L"各种工况位移、振型", {0, 0, 219, 241},
         {Button(IDOK, L"确定", kOk, {162, 195, 50, 14}), List(kCaseList, {7, 7, 100, 227}),
          Button(IDC_SPEED_SLOW, L"慢速", kFirstRadio, {132, 33, 32, 10}), Button(IDC_SPEED_MEDIUM, L"中速", kRadio, {132, 62, 32, 10}),
          Button(IDC_SPEED_FAST, L"快速", kRadio, {132, 91, 32, 10}), Button(IDCANCEL, L"取消", kCancel, {162, 220, 50, 14}),
          Button(-1, L"动画显示速度", kGroupBox, {114, 7, 98, 155})}},
        {IDD_FXJG_SHOWND, L"各种工况挠度", {0, 0, 219, 241},
         {Button(IDOK, L"确定", kOk, {162, 195, 50, 14}), List(kCaseList, {7, 7, 100, 227}),
          Button(IDC_DEFL_ABSOLUTE, L"绝对挠度", kFirstRadio, {131, 33, 48, 10}), Button(IDC_DEFL_RELATIVE, L"相对挠度", kRadio, {131, 60, 48, 10}),
          Button(IDCANCEL, L"取消", kCancel, {162, 220, 50, 14}), Button(-1, L"挠度(mm)", kGroupBox, {115, 7, 97, 155}),
          Button(IDC_DEFL_SPAN_RATIO, L"跨度与挠度之比", kRadio, {131, 86, 72, 10})}},
        {IDD_FXJG_SHOWZX, L"各种振型", {0, 0, 319, 241},
         {Button(IDOK, L"确定", kOk, {262, 195, 50, 14}), List(kGridList, {7, 7, 197, 227}),
          Button(IDC_SPEED_SLOW, L"慢速", kFirstRadio, {239, 33, 32, 10}), Button(IDC_SPEED_MEDIUM, L"中速", kRadio, {239, 62, 32, 10}),
          Button(IDC_SPEED_FAST, L"快速", kRadio, {239, 91, 32, 10}), Button(IDCANCEL, L"取消", kCancel, {262, 220, 50, 14}),
          Button(-1, L"动画显示速度", kGroupBox, {214, 7, 98, 155})}},
        {IDD_FXJG_SHOWWY, L"各种工况位移", {0, 0, 264, 254},
         {Button(IDOK, L"确定", kOk, {132, 232, 50, 14}), List(kBorderlessList, {7, 7, 100, 214}),
          Button(IDCANCEL, L"取消", kCancel, {207, 232, 50, 14}), List(kBorderlessList, {113, 7, 144, 214}, IDC_LIST_CASES)}},
        {IDD_FXJG_SHOWZB, L"显示坐标", {0, 0, 140, 254},
         {Button(IDOK, L"确定", kOk, {7, 232, 50, 14}), List(kBorderlessList, {7, 7, 126, 214}, IDC_LIST_CASES),
          Button(IDCANCEL, L"取消", kCancel, {83, 232, 50, 14})}},
        {IDD_FXJG_SHOWZHNL, L"选择查看", {0, 0, 319, 241},
         {Button(IDOK, L"确定", kOk, {98, 220, 50, 14}), List(kGridList, {7, 7, 305, 205}),
          Button(IDCANCEL, L"取消", kCancel, {181, 220, 50, 14})}},
        {IDD_SJJG_SHOWZF, L"设计结果－构件字符显示开关", {0, 0, 176, 313},
         {Button(IDOK, L"确定", kOk, {52, 292, 50, 14}), Button(IDCANCEL, L"取消", kCancel, {119, 292, 50, 14}),
          {IDC_SWITCH_TREE, L"SYSTREEVIEW32", L"",
           kChild | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_DISABLEDRAGDROP | TVS_NOTOOLTIPS |
               TVS_FULLROWSELECT | WS_BORDER | WS_TABSTOP,
           {7, 7, 162, 273}}}},
        {IDD_SDP_SHOWDWY, L"等位移值", {0, 0, 220, 327},
         {Button(IDOK, L"确定", kOk, {41, 305, 50, 14}), {IDC_CONTOUR_LIST, L"SYSLISTVIEW32", L"", kBorderlessList, {7, 30, 206, 243}},
          Button(IDCANCEL, L"取消", kCancel, {125, 305, 50, 14}),
          {IDC_CONTOUR_COUNT_LABEL, L"STATIC", L"等位移值个数(<50)", kChild | SS_LEFT | WS_GROUP, {7, 10, 73, 8}},
          {IDC_CONTOUR_COUNT, L"EDIT", L"", kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {85, 7, 43, 14}},
          Button(IDC_UPDATE_LIST, L"更新列表", kPushButton, {135, 7, 50, 14}),
          Label(L"改变数值或颜色时，请用鼠标点击相应区域", {60, 279, 153, 8})}},
        {IDD_SDP_SHOWCLR, L"选择颜色", {0, 0, 200, 272},
         {{IDC_COLOR_LIST, L"SYSLISTVIEW32", L"", kBorderlessList, {7, 7, 186, 214}}, Label(L"改变颜色时，请用鼠标点击颜色区域", {64, 231, 129, 8}),
          Button(IDOK, L"确定", kPushButton, {35, 250, 50, 14}), Button(IDCANCEL, L"取消", kCancel, {109, 250, 50, 14})}},
        {IDD_SDP_SELECTCOLOR, L"选择颜色", {0, 0, 193, 100}, PickerControls()},
    };
    return templates;
}

class TemplateTest : public testing::TestWithParam<Expected> {};

TEST_P(TemplateTest, IsAsLaidOut) {
    const Expected& e = GetParam();
    const DialogTemplate t = LoadDialogTemplate(KorvelLibrary::Get().Module(), e.id, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.title, e.title);
    EXPECT_EQ(t.style, kDialogStyle);
    EXPECT_TRUE(EqualRect(&t.rect, &e.rect));
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.font, L"宋体");
    ASSERT_EQ(t.controls.size(), e.controls.size());
    for (std::size_t i = 0; i < e.controls.size(); ++i) {
        const TemplateControl& got = t.controls[i];
        const TemplateControl& want = e.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(want.id));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.windowClass, want.windowClass);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style);
        EXPECT_TRUE(EqualRect(&got.rect, &want.rect));
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TemplateTest, testing::ValuesIn(Templates()),
                         [](const testing::TestParamInfo<Expected>& i) { return std::to_string(i.param.id); });

struct ExportTemplate {
    const char* exportName;
    int templateId;
};

void PrintTo(const ExportTemplate& e, std::ostream* os) { *os << e.exportName; }

// The template's place of a control, in the open dialog's client pixels: position and size are
// converted each on its own, as the dialog manager does.
RECT PlaceOf(HWND dialog, const TemplateControl& control) {
    RECT place = control.rect;  // x, y, width, height
    MapDialogRect(dialog, &place);
    return RECT{place.left, place.top, place.left + place.right, place.top + place.bottom};
}

class OpenListTest : public testing::TestWithParam<ExportTemplate> {};

TEST_P(OpenListTest, EveryListKeepsItsTemplatePlaceOrderStyleAndFont) {
    const DialogTemplate t = LoadDialogTemplate(KorvelLibrary::Get().Module(), GetParam().templateId,
                                                MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ASSERT_TRUE(t.found);
    const SampleExport* which = nullptr;
    for (const SampleExport& e : SampleExports())
        if (std::string(e.name) == GetParam().exportName) which = &e;
    ASSERT_NE(which, nullptr);
    SampleHost host = which->sample();
    RunDialog([&] { which->call(host); }, [&](DialogDriver& d) {
        // The children in their order, which is the tab order: one per template control.
        std::vector<HWND> children;
        for (HWND child = GetWindow(d.Dialog(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        ASSERT_EQ(children.size(), t.controls.size());
        const LRESULT dialogFont = SendMessageW(d.Dialog(), WM_GETFONT, 0, 0);
        int lists = 0;
        for (std::size_t i = 0; i < children.size(); ++i) {
            const TemplateControl& want = t.controls[i];
            SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(want.id));
            EXPECT_EQ(GetDlgCtrlID(children[i]), want.id);
            if (want.windowClass != L"SYSLISTVIEW32") continue;
            ++lists;
            RECT live{};
            GetWindowRect(children[i], &live);
            MapWindowPoints(nullptr, d.Dialog(), reinterpret_cast<POINT*>(&live), 2);
            const RECT place = PlaceOf(d.Dialog(), want);
            EXPECT_TRUE(EqualRect(&live, &place));
            constexpr DWORD kKept = WS_VISIBLE | WS_TABSTOP | LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(children[i], GWL_STYLE));
            EXPECT_EQ(style & kKept, want.style & kKept);
            // The dialog manager draws a template's border as a sunken edge.
            const bool edged = (style & WS_BORDER) || (GetWindowLongPtrW(children[i], GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            EXPECT_EQ(edged, (want.style & WS_BORDER) != 0);
            EXPECT_EQ(SendMessageW(children[i], WM_GETFONT, 0, 0), dialogFont);
        }
        EXPECT_GT(lists, 0);
        d.ClickItem(IDCANCEL);
        EXPECT_TRUE(d.WaitClosed());
    });
}

INSTANTIATE_TEST_SUITE_P(
    Exports, OpenListTest,
    testing::Values(ExportTemplate{"FXJG_SHOWDH_DLG", IDD_FXJG_SHOWDH}, ExportTemplate{"FXJG_SHOWND_DLG", IDD_FXJG_SHOWND},
                    ExportTemplate{"FXJG_SHOWWY_DLG", IDD_FXJG_SHOWWY}, ExportTemplate{"FXJG_SHOWZB_DLG", IDD_FXJG_SHOWZB},
                    ExportTemplate{"FXJG_SHOWZHNL_DLG", IDD_FXJG_SHOWZHNL}, ExportTemplate{"FXJG_SHOWZX_DLG", IDD_FXJG_SHOWZX},
                    ExportTemplate{"MEMB_DESIGN_INOF_SHOWDLG", IDD_MEMB_DESIGN_INFO},
                    ExportTemplate{"SDP_SHOWCOLOR_DLG", IDD_SDP_SHOWCLR}, ExportTemplate{"SDP_SHOWDWY_DLG", IDD_SDP_SHOWDWY}),
    [](const testing::TestParamInfo<ExportTemplate>& i) { return std::string(i.param.exportName); });

}  // namespace
