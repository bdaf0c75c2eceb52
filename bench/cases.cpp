// Host data as a host would pass it: explicit names "N1".."Nn" under a heading (plain ASCII, so
// GBK and UTF-16 hold the same texts), and what the floor inserts for the same data.
#include "cases.h"

#include <memory>

#include "korvel.h"
#include "res/resource.h"

namespace bench {
namespace {

struct Names {
    std::string gbk;                  // "H|N1|N2|..."
    std::vector<std::wstring> items;  // N1, N2, ...
};

Names MakeNames(int n) {
    Names names;
    names.gbk = "H";
    for (int i = 1; i <= n; ++i) {
        const std::string item = "N" + std::to_string(i);
        names.gbk += "|" + item;
        names.items.emplace_back(item.begin(), item.end());
    }
    return names;
}

FloorFill ListFill(int controlId, const Names& names, int columns, SIZE stateImage, int stateBitmap = 0) {
    FloorFill fill;
    fill.controlId = controlId;
    fill.columns = columns;
    fill.stateImage = stateImage;
    fill.stateBitmap = stateBitmap;
    fill.heading = L"H";
    fill.texts = names.items;
    return fill;
}

constexpr SIZE kRowImage{1, 20};    // the 20-pixel rows of the button list and the colour table
constexpr SIZE kRadioImage{20, 20};
constexpr SIZE kCheckImage{13, 13};

// FXJG_SHOWND_DLG, FXJG_SHOWDH_DLG: the one-column button list.
Case ButtonList(const char* label, int templateId, bool deflection) {
    return {label, true, [=](HMODULE korvel, int n) {
        auto names = std::make_shared<Names>(MakeNames(n));
        Prepared p;
        p.controlId = IDC_LIST_BUTTONS;
        p.floor = {korvel, templateId, {ListFill(IDC_LIST_BUTTONS, *names, 1, kRowImage)}};
        p.call = [names, n, deflection] {
            int result = 0, count = n + 1, choice = 1, option = 1;
            if (deflection) FXJG_SHOWND_DLG(&result, &count, &choice, &option, names->gbk.c_str());
            else FXJG_SHOWDH_DLG(&result, &count, &choice, &option, names->gbk.c_str());
        };
        return p;
    }};
}

// FXJG_SHOWZHNL_DLG, FXJG_SHOWZX_DLG: the grid of `columns` columns.
Case Grid(const char* label, int templateId, int columns, bool modes) {
    return {label, true, [=](HMODULE korvel, int n) {
        auto names = std::make_shared<Names>(MakeNames(n));
        Prepared p;
        p.controlId = IDC_LIST_BUTTONS;
        p.floor = {korvel, templateId, {ListFill(IDC_LIST_BUTTONS, *names, columns, kRowImage)}};
        p.call = [names, n, columns, modes] {
            int result = 0, count = n + 1, cols = columns, choice = 1, speed = 1;
            if (modes) FXJG_SHOWZX_DLG(&result, &count, &cols, &choice, &speed, names->gbk.c_str(), "bench");
            else FXJG_SHOWZHNL_DLG(&result, &count, &cols, &choice, names->gbk.c_str(), "bench");
        };
        return p;
    }};
}

// FXJG_SHOWZB_DLG: the radio list.
Case RadioList() {
    return {"FXJG_SHOWZB_DLG (radio list)", true, [](HMODULE korvel, int n) {
        auto names = std::make_shared<Names>(MakeNames(n));
        Prepared p;
        p.controlId = IDC_LIST_CASES;
        p.floor = {korvel, IDD_FXJG_SHOWZB, {ListFill(IDC_LIST_CASES, *names, 1, kRadioImage, IDB_RADIO_IMAGES)}};
        p.call = [names, n] {
            int result = 0, count = n + 1, choice = 1;
            FXJG_SHOWZB_DLG(&result, &count, &choice, names->gbk.c_str(), "bench");
        };
        return p;
    }};
}

// FXJG_SHOWWY_DLG in plain mode: three kinds, and the host's cases in the radio list.
Case Displacement() {
    return {"FXJG_SHOWWY_DLG (kinds, radio list)", true, [](HMODULE korvel, int n) {
        auto names = std::make_shared<Names>(MakeNames(n));
        auto kinds = std::make_shared<Names>(MakeNames(3));
        Prepared p;
        p.controlId = IDC_LIST_CASES;
        p.floor = {korvel, IDD_FXJG_SHOWWY,
                   {ListFill(IDC_LIST_BUTTONS, *kinds, 1, kRadioImage, IDB_RADIO_IMAGES),
                    ListFill(IDC_LIST_CASES, *names, 1, kRadioImage, IDB_RADIO_IMAGES)}};
        p.call = [names, kinds, n] {
            int result = 1, kindCount = 4, kind = 1, caseCount = n + 1, choice = 1;
            FXJG_SHOWWY_DLG(&result, &kindCount, &kind, kinds->gbk.c_str(), &caseCount, &choice, names->gbk.c_str(),
                            "bench");
        };
        return p;
    }};
}

// SDP_SHOWCOLOR_DLG: a name and a colour per row.
Case ColourTable() {
    return {"SDP_SHOWCOLOR_DLG (colour table)", false, [](HMODULE korvel, int n) {
        auto names = std::make_shared<Names>(MakeNames(n));
        auto colors = std::make_shared<std::vector<int>>();
        for (int i = 0; i <= n; ++i) colors->push_back(i % 16);
        constexpr int kColourColumn = 80;
        FloorFill fill = ListFill(IDC_COLOR_LIST, *names, 1, kRowImage);
        fill.headingWidthReserve = kColourColumn;
        fill.lastColumnWidth = kColourColumn;
        for (int i = 1; i <= n; ++i) fill.values.push_back(RGB(i % 256, 0, 0));
        Prepared p;
        p.controlId = IDC_COLOR_LIST;
        p.floor = {korvel, IDD_SDP_SHOWCLR, {fill}};
        p.call = [names, colors, n] {
            int result = 0, count = n + 1;
            SDP_SHOWCOLOR_DLG(&result, &count, colors->data(), names->gbk.c_str(), "bench");
        };
        return p;
    }};
}

// SJJG_SHOWZF_DLG: n items in groups of `groupSize`, each group's own entry before its members.
Case SwitchTree(const char* label, int groupSize) {
    return {label, false, [=](HMODULE korvel, int n) {
        auto groups = std::make_shared<std::string>();
        auto switches = std::make_shared<std::vector<int>>();
        FloorFill fill;
        fill.controlId = IDC_SWITCH_TREE;
        fill.kind = FloorFill::kTree;
        fill.stateImage = kCheckImage;
        fill.itemHeightDelta = 1;
        for (int member = 0; member < n; member += groupSize) {
            const std::string group = "G" + std::to_string(member / groupSize + 1);
            *groups += "{" + group;
            const int parent = static_cast<int>(fill.texts.size());
            fill.texts.emplace_back(group.begin(), group.end());
            fill.parents.push_back(-1);
            switches->push_back(1);
            for (int i = member; i < member + groupSize && i < n; ++i) {
                const std::string item = "N" + std::to_string(i + 1);
                *groups += "|" + item;
                fill.texts.emplace_back(item.begin(), item.end());
                fill.parents.push_back(parent);
                switches->push_back(i % 2);
            }
            *groups += "}";
        }
        Prepared p;
        p.controlId = IDC_SWITCH_TREE;
        p.floor = {korvel, IDD_SJJG_SHOWZF, {fill}};
        p.call = [groups, switches] {
            int result = 0, count = static_cast<int>(switches->size());
            SJJG_SHOWZF_DLG(&result, &count, switches->data(), groups->c_str());
        };
        return p;
    }};
}

}  // namespace

std::vector<Case> AllCases() {
    return {
        ButtonList("FXJG_SHOWND_DLG (list)", IDD_FXJG_SHOWND, true),
        ButtonList("FXJG_SHOWDH_DLG (list)", IDD_FXJG_SHOWDH, false),
        Grid("FXJG_SHOWZHNL_DLG (grid, 5 columns)", IDD_FXJG_SHOWZHNL, 5, false),
        Grid("FXJG_SHOWZX_DLG (grid, 3 columns)", IDD_FXJG_SHOWZX, 3, true),
        RadioList(),
        Displacement(),
        ColourTable(),
        SwitchTree("SJJG_SHOWZF_DLG (tree, groups of 10)", 10),
        SwitchTree("SJJG_SHOWZF_DLG (tree, groups of 1)", 1),
    };
}

}  // namespace bench
