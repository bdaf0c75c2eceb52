// The dialog templates in the module: title, font, style and every control in tab order with its
// id, class, text and style (places and sizes are left to the layout, but for the picker's rows
// of eight that its keys follow); and the lists the library puts in a template list's place,
// which keep its place, size, tab order, style and font.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "catalogue/export_table.h"
#include "dialog_driver.h"
#include "dialog_template.h"
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

// A control as the code and the user meet it; its place and size are the layout's own.
struct Control {
    int id;
    std::wstring windowClass;
    std::wstring text;
    DWORD style;
};

struct Expected {
    int id;
    std::wstring title;
    std::vector<Control> controls;  // in tab order
};

Control Button(int id, const wchar_t* text, DWORD style) { return {id, L"BUTTON", text, style}; }
Control List(DWORD style, int id = IDC_LIST_BUTTONS) { return {id, L"SYSLISTVIEW32", L"List1", style}; }
Control SwitchList(int id) { return {id, L"SYSLISTVIEW32", L"", kCaseList}; }
Control Label(const wchar_t* text) { return {-1, L"STATIC", text, kChild | SS_LEFT | WS_GROUP}; }

// The two dialogs with a speed choice: OK, the list, the three speeds, Cancel and their frame.
std::vector<Control> SpeedChoiceControls(DWORD listStyle) {
    return {Button(IDOK, L"确定", kOk), List(listStyle), Button(IDC_SPEED_SLOW, L"慢速", kFirstRadio),
            Button(IDC_SPEED_MEDIUM, L"中速", kRadio), Button(IDC_SPEED_FAST, L"快速", kRadio),
            Button(IDCANCEL, L"取消", kCancel), Button(-1, L"动画显示速度", kGroupBox)};
}

// The picker: OK, Cancel, sixteen swatches in two rows of eight, the preview and its label.
std::vector<Control> PickerControls() {
    std::vector<Control> controls{Button(IDOK, L"确定", kOk), Button(IDCANCEL, L"取消", kCancel)};
    for (int k = 0; k < 16; ++k) {
        const std::wstring text = L"Button" + std::to_wstring(k + 1);
        controls.push_back(Button(IDC_SWATCH_FIRST + k, text.c_str(), kSwatch));
    }
    controls.push_back({IDC_COLOR_PREVIEW, L"STATIC", L"", kChild | SS_BLACKFRAME});
    controls.push_back(Label(L"颜色预览"));
    return controls;
}

const std::vector<Expected>& Templates() {
    static const std::vector<Expected> templates{
        {IDD_MEMB_DESIGN_INFO, L"构件设计结果显示开关",
         {Button(IDOK, L"确定", kOk), Button(IDCANCEL, L"取消", kCancel), SwitchList(IDC_LIST_BEAM),
          Label(L"梁结果显示"), SwitchList(IDC_LIST_COLUMN), Label(L"柱结果显示"), SwitchList(IDC_LIST_WALL),
          Label(L"墙结果显示"), SwitchList(IDC_LIST_SLAB), Label(L"板结果显示"),
          {IDC_MEMBER_TREE, L"SYSTREEVIEW32", L"",
           kChild | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP |
               TVS_NOTOOLTIPS | TVS_FULLROWSELECT | TVS_NONEVENHEIGHT | WS_TABSTOP}}},
        {IDD_FXJG_SHOWDH, L"各种工况位移、振型", SpeedChoiceControls(kCaseList)},
        {IDD_FXJG_SHOWND, L"各种工况挠度",
         {Button(IDOK, L"确定", kOk), List(kCaseList), Button(IDC_DEFL_ABSOLUTE, L"绝对挠度", kFirstRadio),
          Button(IDC_DEFL_RELATIVE, L"相对挠度", kRadio), Button(IDCANCEL, L"取消", kCancel),
          Button(-1, L"挠度(mm)", kGroupBox), Button(IDC_DEFL_SPAN_RATIO, L"跨度与挠度之比", kRadio)}},
        {IDD_FXJG_SHOWZX, L"各种振型", SpeedChoiceControls(kGridList)},
        {IDD_FXJG_SHOWWY, L"各种工况位移",
         {Button(IDOK, L"确定", kOk), List(kBorderlessList), Button(IDCANCEL, L"取消", kCancel),
          List(kBorderlessList, IDC_LIST_CASES)}},
        {IDD_FXJG_SHOWZB, L"显示坐标",
         {Button(IDOK, L"确定", kOk), List(kBorderlessList, IDC_LIST_CASES), Button(IDCANCEL, L"取消", kCancel)}},
        {IDD_FXJG_SHOWZHNL, L"选择查看",
         {Button(IDOK, L"确定", kOk), List(kGridList), Button(IDCANCEL, L"取消", kCancel)}},
        {IDD_SJJG_SHOWZF, L"设计结果－构件字符显示开关",
         {Button(IDOK, L"确定", kOk), Button(IDCANCEL, L"取消", kCancel),
          {IDC_SWITCH_TREE, L"SYSTREEVIEW32", L"",
           kChild | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_DISABLEDRAGDROP | TVS_NOTOOLTIPS |
               TVS_FULLROWSELECT | WS_BORDER | WS_TABSTOP}}},
        {IDD_SDP_SHOWDWY, L"等位移值",
         {Button(IDOK, L"确定", kOk), {IDC_CONTOUR_LIST, L"SYSLISTVIEW32", L"", kBorderlessList},
          Button(IDCANCEL, L"取消", kCancel),
          {IDC_CONTOUR_COUNT_LABEL, L"STATIC", L"等位移值个数(<50)", kChild | SS_LEFT | WS_GROUP},
          {IDC_CONTOUR_COUNT, L"EDIT", L"", kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
          Button(IDC_UPDATE_LIST, L"更新列表", kPushButton), Label(L"改变数值或颜色时，请用鼠标点击相应区域")}},
        {IDD_SDP_SHOWCLR, L"选择颜色",
         {{IDC_COLOR_LIST, L"SYSLISTVIEW32", L"", kBorderlessList}, Label(L"改变颜色时，请用鼠标点击颜色区域"),
          Button(IDOK, L"确定", kPushButton), Button(IDCANCEL, L"取消", kCancel)}},
        {IDD_SDP_SELECTCOLOR, L"选择颜色", PickerControls()},
    };
    return templates;
}

class TemplateTest : public testing::TestWithParam<Expected> {};

TEST_P(TemplateTest, HoldsItsControlsInTabOrder) {
    const Expected& e = GetParam();
    const DialogTemplate t = LoadDialogTemplate(KorvelLibrary::Get().Module(), e.id, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.title, e.title);
    EXPECT_EQ(t.style, kDialogStyle);
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.font, L"宋体");
    ASSERT_EQ(t.controls.size(), e.controls.size());
    for (std::size_t i = 0; i < e.controls.size(); ++i) {
        const TemplateControl& got = t.controls[i];
        const Control& want = e.controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(want.id));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.windowClass, want.windowClass);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TemplateTest, testing::ValuesIn(Templates()),
                         [](const testing::TestParamInfo<Expected>& i) { return std::to_string(i.param.id); });

// The picker's arrow keys move through the swatches in rows of eight: so they must lie.
TEST(PickerTemplateTest, SwatchesLieInTwoRowsOfEight) {
    const DialogTemplate t = LoadDialogTemplate(KorvelLibrary::Get().Module(), IDD_SDP_SELECTCOLOR,
                                                MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    ASSERT_TRUE(t.found);
    std::vector<RECT> swatches;  // x, y, width, height
    for (int k = 0; k < 16; ++k)
        for (const TemplateControl& c : t.controls)
            if (c.id == IDC_SWATCH_FIRST + k) swatches.push_back(c.rect);
    ASSERT_EQ(swatches.size(), 16u);
    for (std::size_t k = 0; k < swatches.size(); ++k) {
        SCOPED_TRACE("swatch " + std::to_string(k));
        EXPECT_EQ(swatches[k].top, swatches[k / 8 * 8].top);  // in its row
        EXPECT_EQ(swatches[k].left, swatches[k % 8].left);    // under the one above
        if (k % 8) {
            EXPECT_GE(swatches[k].left, swatches[k - 1].left + swatches[k - 1].right);  // right of its neighbour
        }
    }
    EXPECT_GE(swatches[8].top, swatches[0].top + swatches[0].bottom);
}

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
    const catalogue::ExportEntry& which = catalogue::ExportNamed(GetParam().exportName);
    catalogue::HostCall host = catalogue::SampleCall(which);
    RunDialog([&] { which.call(host); }, [&](DialogDriver& d) {
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
