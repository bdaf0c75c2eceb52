// Reading and answering the colour dialogs and what they open.
#include "colour_dialogs.h"

#include <gtest/gtest.h>

#include <colordlg.h>

#include <string>

#include "client_snapshot.h"

namespace {

BOOL CALLBACK FindStaticText(HWND child, LPARAM lParam) {
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (lstrcmpiW(cls, L"Static") != 0) return TRUE;
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    *reinterpret_cast<std::wstring*>(lParam) = text;
    return text[0] == L'\0';  // the icon is a static without text
}

DialogRun RunWithList(const std::function<void()>& call, int listId, const ListScript& script) {
    return RunDialog(call, [&](DialogDriver& d) {
        script(d, ListView(d.Item(listId)));
        if (!d.IsOpen()) return;
        d.ClickItem(IDOK);
        EXPECT_TRUE(d.WaitClosed());
    });
}

// Runs `script` against the chooser opened from the first line's colour cell of a contour dialog.
void RunContourChooser(ContourExport call, const std::function<void(DialogDriver& chooser)>& script) {
    ContourVars vars = Contour(1, {0.5f}, {0x000000});
    RunContour(
        vars,
        [&](DialogDriver& d, const ListView& list) {
            HWND opened = OpenColourCell(d, list, 0, 2);
            ASSERT_NE(opened, nullptr) << "the colour chooser did not open";
            DialogDriver chooser(opened);
            script(chooser);
            chooser.ClickItem(IDCANCEL);
            ASSERT_TRUE(chooser.WaitClosed());
        },
        call);
}

}  // namespace

DialogRun RunColourTable(ColourTableVars& vars, const ListScript& script) {
    return RunWithList([&] { CallColourTable(vars); }, IDC_COLOR_LIST, script);
}

DialogRun RunContour(ContourVars& vars, const ListScript& script, ContourExport call) {
    return RunWithList([&] { CallContour(vars, call); }, IDC_CONTOUR_LIST, script);
}

RECT RectIn(HWND window, HWND in) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ReplaceBoxText(DialogDriver& d, int id, const std::wstring& text) {
    HWND box = d.Item(id);
    RECT client{};
    GetClientRect(box, &client);
    d.Click(box, POINT{client.right - 2, client.bottom / 2});
    d.Type(std::wstring(static_cast<std::size_t>(GetWindowTextLengthW(box)), L'\b') + text);
}

const std::vector<COLORREF>& BaseColours() {
    static const std::vector<COLORREF> colours{
        RGB(0, 0, 0),     RGB(0, 0, 170),   RGB(0, 170, 0),   RGB(0, 170, 170), RGB(170, 0, 0),   RGB(170, 0, 170),
        RGB(170, 170, 0), RGB(170, 170, 170), RGB(85, 85, 85), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
        RGB(255, 0, 0),   RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};
    return colours;
}

const std::vector<std::wstring>& BaseColourNames() {
    static const std::vector<std::wstring> names{L"黑色", L"深蓝", L"深绿", L"深青", L"深红", L"深紫", L"深黄", L"浅灰",
                                                 L"深灰", L"蓝色", L"绿色", L"青色", L"红色", L"紫色", L"黄色", L"白色"};
    return names;
}

bool CellShows(const ListView& list, int row, int col, COLORREF colour) {
    return ClientSnapshot(list.Handle()).MostlyColor(list.CellBounds(row, col), colour);
}

bool PreviewShows(const DialogDriver& picker, COLORREF colour) {
    const RECT preview = RectIn(picker.Item(IDC_COLOR_PREVIEW), picker.Dialog());
    return ClientSnapshot(picker.Dialog(), ClientSnapshot::Source::Screen).MostlyColor(preview, colour);
}

HWND CellEditBox(const ListView& list) { return GetDlgItem(list.Handle(), kCellEditBox); }

void ClickCell(DialogDriver& d, const ListView& list, int row, int col) {
    d.Click(list.Handle(), list.CellCenter(row, col));
}

void OpenCell(DialogDriver& d, const ListView& list, int row, int col, Opening how) {
    if (how == Opening::Press) {
        ClickCell(d, list, row, col);
        return;
    }
    ClickCell(d, list, row, 0);  // the first cell opens nothing
    d.KeyTo(list.Handle(), how == Opening::SpaceKey ? VK_SPACE : VK_F2);
}

HWND OpenColourCell(DialogDriver& d, const ListView& list, int row, int col, Opening how) {
    OpenCell(d, list, row, col, how);
    return d.WaitForOtherDialog();
}

COLORREF ChooserColour(const DialogDriver& chooser) {
    auto channel = [&](int id) { return std::stoi(L"0" + chooser.ItemText(id)); };
    return RGB(channel(COLOR_RED), channel(COLOR_GREEN), channel(COLOR_BLUE));
}

void TypeChooserColour(DialogDriver& chooser, COLORREF colour) {
    const std::pair<int, int> channels[] = {
        {COLOR_RED, GetRValue(colour)}, {COLOR_GREEN, GetGValue(colour)}, {COLOR_BLUE, GetBValue(colour)}};
    for (const auto& [id, value] : channels) {
        RECT box{};
        GetClientRect(chooser.Item(id), &box);
        chooser.DoubleClick(chooser.Item(id), POINT{2, box.bottom / 2});  // selects the number
        chooser.Type(std::to_wstring(value));
    }
}

void ClickCustomColour(DialogDriver& chooser, int index) {
    // Two rows of eight equal cells over the custom colour area.
    const RECT area = RectIn(chooser.Item(COLOR_CUSTOM1), chooser.Dialog());
    const int width = (area.right - area.left) / 8;
    const int height = (area.bottom - area.top) / 2;
    const POINT centre{area.left + (index % 8) * width + width / 2, area.top + (index / 8) * height + height / 2};
    chooser.Click(chooser.Dialog(), centre);
}

std::vector<COLORREF> CustomColours(DialogDriver& chooser) {
    std::vector<COLORREF> colours;
    for (int n = 0; n < 16; ++n) {
        ClickCustomColour(chooser, n);
        colours.push_back(ChooserColour(chooser));
    }
    return colours;
}

void SetFirstCustomColour(COLORREF colour, ContourExport call) {
    RunContourChooser(call, [&](DialogDriver& chooser) {
        TypeChooserColour(chooser, colour);
        chooser.ClickItem(COLOR_ADD);
    });
}

std::vector<COLORREF> ChooserCustomColours(ContourExport call) {
    std::vector<COLORREF> colours;
    RunContourChooser(call, [&](DialogDriver& chooser) { colours = CustomColours(chooser); });
    return colours;
}

std::vector<Warning> AnswerWarnings(DialogDriver& d) {
    std::vector<Warning> warnings;
    // The next box, if any, is open once the loop has caught up with the answer to the last.
    for (HWND box = d.OtherDialog(); box; box = d.OtherDialog()) {
        DialogDriver message(box);
        std::wstring text;
        EnumChildWindows(box, &FindStaticText, reinterpret_cast<LPARAM>(&text));
        warnings.push_back({message.Text(box), text});
        message.ClickItem(IDOK);
        EXPECT_TRUE(message.WaitClosed());
    }
    return warnings;
}
