// Host data as a host would pass it: explicit names "N1".."Nn" under a heading (plain ASCII, so
// GBK and UTF-16 hold the same texts), given to the catalogue's call of each export, and what the
// floor inserts for the same data.
#include "cases.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

#include "catalogue/export_table.h"
#include "res/resource.h"

namespace bench {
namespace {

struct Names {
    std::wstring packed;              // "H|N1|N2|..."
    std::vector<std::wstring> items;  // N1, N2, ...
};

Names MakeNames(int n) {
    Names names;
    names.packed = L"H";
    for (int i = 1; i <= n; ++i) {
        const std::wstring item = L"N" + std::to_wstring(i);
        names.packed += L"|" + item;
        names.items.push_back(item);
    }
    return names;
}

std::wstring Number(int n) { return std::to_wstring(n); }

// The catalogue's call of `exportName`, with the host's values typed as `values` (argument name,
// text) and the samples for the rest. The variables are made once: the bench ends each dialog
// with Cancel, so the calls leave them as they are.
std::function<void()> CatalogueCall(const char* exportName,
                                    const std::vector<std::pair<const char*, std::wstring>>& values) {
    const catalogue::ExportEntry& entry = catalogue::ExportNamed(exportName);
    std::vector<std::wstring> texts = catalogue::SampleTexts(entry.args);
    for (const auto& [name, text] : values) {
        bool found = false;
        for (std::size_t i = 0; i < entry.args.size(); ++i) {
            if (std::string(entry.args[i].name) != name) continue;
            texts[i] = text;
            found = true;
        }
        if (!found) throw std::invalid_argument(std::string(exportName) + " has no argument " + name);
    }
    std::optional<catalogue::HostCall> parsed = catalogue::HostCall::Parse(entry.args, texts, nullptr);
    if (!parsed) throw std::invalid_argument(std::string(exportName) + ": the bench's values do not parse");
    auto host = std::make_shared<catalogue::HostCall>(std::move(*parsed));
    return [&entry, host] { entry.call(*host); };
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
        const Names names = MakeNames(n);
        Prepared p;
        p.controlId = IDC_LIST_BUTTONS;
        p.floor = {korvel, templateId, {ListFill(IDC_LIST_BUTTONS, names, 1, kRowImage)}};
        p.call = CatalogueCall(deflection ? "FXJG_SHOWND_DLG" : "FXJG_SHOWDH_DLG",
                               {{"pCount", Number(n + 1)},
                                {"pChoice", L"1"},
                                {deflection ? "pDeflType" : "pSpeed", L"1"},
                                {"lpszNames", names.packed}});
        return p;
    }};
}

// FXJG_SHOWZHNL_DLG, FXJG_SHOWZX_DLG: the grid of `columns` columns.
Case Grid(const char* label, int templateId, int columns, bool modes) {
    return {label, true, [=](HMODULE korvel, int n) {
        const Names names = MakeNames(n);
        Prepared p;
        p.controlId = IDC_LIST_BUTTONS;
        p.floor = {korvel, templateId, {ListFill(IDC_LIST_BUTTONS, names, columns, kRowImage)}};
        std::vector<std::pair<const char*, std::wstring>> values{
            {"pCount", Number(n + 1)}, {"pColumns", Number(columns)}, {"pChoice", L"1"}, {"lpszNames", names.packed}};
        if (modes) values.emplace_back("pSpeed", L"1");
        p.call = CatalogueCall(modes ? "FXJG_SHOWZX_DLG" : "FXJG_SHOWZHNL_DLG", values);
        return p;
    }};
}

// FXJG_SHOWZB_DLG: the radio list.
Case RadioList() {
    return {"FXJG_SHOWZB_DLG (radio list)", true, [](HMODULE korvel, int n) {
        const Names names = MakeNames(n);
        Prepared p;
        p.controlId = IDC_LIST_CASES;
        p.floor = {korvel, IDD_FXJG_SHOWZB, {ListFill(IDC_LIST_CASES, names, 1, kRadioImage, IDB_RADIO_IMAGES)}};
        p.call = CatalogueCall("FXJG_SHOWZB_DLG",
                               {{"pCount", Number(n + 1)}, {"pChoice", L"1"}, {"lpszNames", names.packed}});
        return p;
    }};
}

// FXJG_SHOWWY_DLG in plain mode: three kinds, and the host's cases in the radio list.
Case Displacement() {
    return {"FXJG_SHOWWY_DLG (kinds, radio list)", true, [](HMODULE korvel, int n) {
        const Names names = MakeNames(n);
        const Names kinds = MakeNames(3);
        Prepared p;
        p.controlId = IDC_LIST_CASES;
        p.floor = {korvel, IDD_FXJG_SHOWWY,
                   {ListFill(IDC_LIST_BUTTONS, kinds, 1, kRadioImage, IDB_RADIO_IMAGES),
                    ListFill(IDC_LIST_CASES, names, 1, kRadioImage, IDB_RADIO_IMAGES)}};
        p.call = CatalogueCall("FXJG_SHOWWY_DLG", {{"pResult", L"1"},  // plain mode
                                                   {"pKindCount", L"4"},
                                                   {"pKind", L"1"},
                                                   {"lpszKinds", kinds.packed},
                                                   {"pCaseCount", Number(n + 1)},
                                                   {"pCase", L"1"},
                                                   {"lpszCases", names.packed}});
        return p;
    }};
}

// SDP_SHOWCOLOR_DLG: a name and a colour per row.
Case ColourTable() {
    return {"SDP_SHOWCOLOR_DLG (colour table)", false, [](HMODULE korvel, int n) {
        const Names names = MakeNames(n);
        std::wstring colors;
        for (int i = 0; i <= n; ++i) colors += Number(i % 16) + L" ";
        constexpr int kColourColumn = 80;
        FloorFill fill = ListFill(IDC_COLOR_LIST, names, 1, kRowImage);
        fill.headingWidthReserve = kColourColumn;
        fill.lastColumnWidth = kColourColumn;
        for (int i = 1; i <= n; ++i) fill.values.push_back(RGB(i % 256, 0, 0));
        Prepared p;
        p.controlId = IDC_COLOR_LIST;
        p.floor = {korvel, IDD_SDP_SHOWCLR, {fill}};
        p.call = CatalogueCall("SDP_SHOWCOLOR_DLG",
                               {{"pCount", Number(n + 1)}, {"pColors", colors}, {"lpszNames", names.packed}});
        return p;
    }};
}

// SJJG_SHOWZF_DLG: n items in groups of `groupSize`, each group's own entry before its members.
Case SwitchTree(const char* label, int groupSize) {
    return {label, false, [=](HMODULE korvel, int n) {
        std::wstring groups;
        std::wstring switches;
        int count = 0;
        FloorFill fill;
        fill.controlId = IDC_SWITCH_TREE;
        fill.kind = FloorFill::kTree;
        fill.stateImage = kCheckImage;
        fill.itemHeightDelta = 1;
        for (int member = 0; member < n; member += groupSize) {
            const std::wstring group = L"G" + Number(member / groupSize + 1);
            groups += L"{" + group;
            const int parent = static_cast<int>(fill.texts.size());
            fill.texts.push_back(group);
            fill.parents.push_back(-1);
            switches += L"1 ";
            ++count;
            for (int i = member; i < member + groupSize && i < n; ++i) {
                const std::wstring item = L"N" + Number(i + 1);
                groups += L"|" + item;
                fill.texts.push_back(item);
                fill.parents.push_back(parent);
                switches += Number(i % 2) + L" ";
                ++count;
            }
            groups += L"}";
        }
        Prepared p;
        p.controlId = IDC_SWITCH_TREE;
        p.floor = {korvel, IDD_SJJG_SHOWZF, {fill}};
        p.call = CatalogueCall("SJJG_SHOWZF_DLG",
                               {{"pCount", Number(count)}, {"pSwitches", switches}, {"lpszGroups", groups}});
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
