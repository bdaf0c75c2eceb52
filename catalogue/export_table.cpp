// One entry per export of korvel.h: arguments, sample data a post-processor would pass, the call.
#include "catalogue/export_table.h"

#include <stdexcept>

#include "korvel.h"

namespace catalogue {

const std::vector<ExportEntry>& Exports() {
    static const std::vector<ExportEntry> table{
        {"FXJG_SHOWDH_DLG", L"各种工况位移、振型",
         {Int("pCount", L"5"), Int("pChoice", L"2"), Int("pSpeed", L"2"),
          Names("lpszNames", L"工况|恒载|活载|风载|地震")},
         [](HostCall& h) { FXJG_SHOWDH_DLG(h.Result(), h.Int(0), h.Int(1), h.Int(2), h.Text(3)); }},

        {"FXJG_SHOWND_DLG", L"各种工况挠度",
         {Int("pCount", L"6"), Int("pChoice", L"1"), Int("pDeflType", L"1"),
          Names("lpszNames", L"工况|恒载|活载|X向风载|Y向风载|恒载+活载")},
         [](HostCall& h) { FXJG_SHOWND_DLG(h.Result(), h.Int(0), h.Int(1), h.Int(2), h.Text(3)); }},

        {"FXJG_SHOWWY_DLG", L"各种工况位移",
         // pResult is read first: 9 is combination mode with eight numbered load combinations, 1 or
         // less plain mode.
         {ResultIn(L"9"), Int("pKindCount", L"4"), Int("pKind", L"1"),
          Names("lpszKinds", L"显示内容|各工况|目标组合|荷载组合"), Int("pCaseCount", L"6"), Int("pCase", L"2"),
          Names("lpszCases", L"工况|恒载|活载|X向风载|Y向风载|地震"), Caption("lpszCaption", L"各种工况位移")},
         [](HostCall& h) {
             FXJG_SHOWWY_DLG(h.Result(), h.Int(1), h.Int(2), h.Text(3), h.Int(4), h.Int(5), h.Text(6), h.Text(7));
         }},

        {"FXJG_SHOWZB_DLG", L"显示坐标",
         {Int("pCount", L"7"), Int("pChoice", L"3"), Names("lpszNames", L"构件|柱1|柱2|梁1|梁2|墙1|板1"),
          Caption("lpszCaption", L"显示坐标")},
         [](HostCall& h) { FXJG_SHOWZB_DLG(h.Result(), h.Int(0), h.Int(1), h.Text(2), h.Text(3)); }},

        {"FXJG_SHOWZHNL_DLG", L"选择查看",
         {Int("pCount", L"31"), Int("pColumns", L"6"), Int("pChoice", L"3"), Names("lpszNames", L"荷载组合|组合"),
          Caption("lpszCaption", L"选择查看的荷载组合")},
         [](HostCall& h) { FXJG_SHOWZHNL_DLG(h.Result(), h.Int(0), h.Int(1), h.Int(2), h.Text(3), h.Text(4)); }},

        {"FXJG_SHOWZX_DLG", L"各种振型",
         {Int("pCount", L"12"), Int("pColumns", L"4"), Int("pChoice", L"6"), Int("pSpeed", L"2"),
          Names("lpszNames", L"振型"), Caption("lpszCaption", L"各阶振型动画")},
         [](HostCall& h) {
             FXJG_SHOWZX_DLG(h.Result(), h.Int(0), h.Int(1), h.Int(2), h.Int(3), h.Text(4), h.Text(5));
         }},

        {"MEMB_DESIGN_INOF_SHOWDLG", L"构件设计结果显示开关",
         {Int("pUnused", L"null"), IntArray("pBeamSwitches", L"1 1 0 1 1", 5)},
         [](HostCall& h) { MEMB_DESIGN_INOF_SHOWDLG(h.Result(), h.Int(0), h.Ints(1)); }},

        {"SDP_SHOWCOLOR_DLG", L"选择颜色",
         {Int("pCount", L"6"), IntArray("pColors", L"0 12 9 10 14 13", 6, 0),
          Names("lpszNames", L"项目|梁|柱|墙|板|支撑"), Caption("lpszCaption", L"构件颜色")},
         [](HostCall& h) { SDP_SHOWCOLOR_DLG(h.Result(), h.Int(0), h.Ints(1), h.Text(2), h.Text(3)); }},

        {"SDP_SHOWDWY_DLG", L"等位移值",
         {Int("pCount", L"8"), Int("pMode", L"1"), FloatArray("pValues", L"0.5 1 1.5 2 2.5 3 3.5 4", 50, 0),
          IntArray("pColors", L"255 33023 65535 65280 16776960 16711680 16711935 8421504", 50, 0)},
         [](HostCall& h) {
             // COLORREFs: an unsigned long is 32 bits on Windows, like the demo's int.
             SDP_SHOWDWY_DLG(h.Result(), h.Int(0), h.Int(1), h.Floats(2),
                             reinterpret_cast<unsigned long*>(h.Ints(3)));
         }},

        {"SJJG_SHOWZF_DLG", L"设计结果－构件字符显示开关",
         {Int("pCount", L"11"), IntArray("pSwitches", L"1 1 0 1 0 1 1 0 0 1 1", 11, 0),
          Names("lpszGroups", L"{梁|纵筋|箍筋|剪扭}\t{柱|纵筋|轴压比}\t{墙|边缘构件|水平筋}\t{板}")},
         [](HostCall& h) { SJJG_SHOWZF_DLG(h.Result(), h.Int(0), h.Ints(1), h.Text(2)); }},
    };
    return table;
}

const ExportEntry& ExportNamed(const std::string& name) {
    for (const ExportEntry& entry : Exports())
        if (name == entry.name) return entry;
    throw std::invalid_argument("no export " + name);
}

HostCall SampleCall(const ExportEntry& entry) {
    std::size_t bad = 0;
    std::optional<HostCall> call = HostCall::Parse(entry.args, SampleTexts(entry.args), &bad);
    if (!call) throw std::logic_error(std::string(entry.name) + ": sample " + std::to_string(bad) + " does not parse");
    return *call;
}

const std::vector<InnerDialog>& InnerDialogs() {
    static const std::vector<InnerDialog> table{
        {"SDP_SHOWCOLOR_DLG", "picker", 1021, 1, 1},      // the colour of the second item
        {"SDP_SHOWDWY_DLG", "colour_dialog", 1016, 0, 2},  // the colour of the first line
    };
    return table;
}

}  // namespace catalogue
