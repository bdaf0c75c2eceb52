// Sample calls of every export: the library is found by name, each export with its own sample.
#include "every_export.h"

#include <windows.h>

#include <cstring>

#include "gbk.h"
#include "korvel_library.h"

namespace {

SampleHost Numbered(std::initializer_list<int> ints) {
    SampleHost host;
    int i = 0;
    for (int v : ints) host.ints[i++] = v;
    for (int k = 0; k < 8; ++k) {
        host.values[k] = 1.5f * static_cast<float>(k + 1);
        host.colors[k] = 0x00102030ul + static_cast<unsigned long>(k);
    }
    return host;
}

const std::string& CaseNames() {
    static const std::string names = Gbk(L"工况|恒载|活载|风载");
    return names;
}

// The animation and deflection dialogs take the same arguments.
template <class CaseOptionExport>
void CallCaseOption(CaseOptionExport call, SampleHost& h) {
    call(&h.result, &h.ints[0], &h.ints[1], &h.ints[2], CaseNames().c_str());
}

const std::vector<SampleExport> kExports = {
    {"FXJG_SHOWDH_DLG", [](SampleHost& h) { CallCaseOption(KORVEL_EXPORT(FXJG_SHOWDH_DLG), h); },
     [] { return Numbered({4, 2, 1}); }},
    {"FXJG_SHOWND_DLG", [](SampleHost& h) { CallCaseOption(KORVEL_EXPORT(FXJG_SHOWND_DLG), h); },
     [] { return Numbered({4, 2, 1}); }},
    {"FXJG_SHOWWY_DLG",
     [](SampleHost& h) {
         static const std::string kinds = Gbk(L"位移|X向|Y向|Z向");
         KORVEL_EXPORT(FXJG_SHOWWY_DLG)(&h.result, &h.ints[0], &h.ints[1], kinds.c_str(), &h.ints[2], &h.ints[3],
                                        CaseNames().c_str(), "WY");
     },
     [] {
         SampleHost h = Numbered({4, 1, 4, 2});
         h.result = 0;  // read as an input: plain mode
         return h;
     }},
    {"FXJG_SHOWZB_DLG",
     [](SampleHost& h) {
         KORVEL_EXPORT(FXJG_SHOWZB_DLG)(&h.result, &h.ints[0], &h.ints[1], CaseNames().c_str(), "ZB");
     },
     [] { return Numbered({4, 2}); }},
    {"FXJG_SHOWZHNL_DLG",
     [](SampleHost& h) {
         KORVEL_EXPORT(FXJG_SHOWZHNL_DLG)(&h.result, &h.ints[0], &h.ints[1], &h.ints[2], CaseNames().c_str(), "ZHNL");
     },
     [] { return Numbered({4, 3, 2}); }},
    {"FXJG_SHOWZX_DLG",
     [](SampleHost& h) {
         KORVEL_EXPORT(FXJG_SHOWZX_DLG)(&h.result, &h.ints[0], &h.ints[1], &h.ints[2], &h.ints[3],
                                        CaseNames().c_str(), "ZX");
     },
     [] { return Numbered({4, 3, 2, 1}); }},
    {"MEMB_DESIGN_INOF_SHOWDLG",
     [](SampleHost& h) {
         KORVEL_EXPORT(MEMB_DESIGN_INOF_SHOWDLG)(&h.result, &h.ints[10], &h.ints[0]);
     },
     [] { return Numbered({1, 0, 1, 0, 1}); }},
    {"SDP_SHOWCOLOR_DLG",
     [](SampleHost& h) {
         KORVEL_EXPORT(SDP_SHOWCOLOR_DLG)(&h.result, &h.ints[0], &h.ints[1], CaseNames().c_str(), nullptr);
     },
     [] { return Numbered({4, 3, 9, 12, 14}); }},
    {"SDP_SHOWDWY_DLG",
     [](SampleHost& h) {
         KORVEL_EXPORT(SDP_SHOWDWY_DLG)(&h.result, &h.ints[0], &h.ints[1], h.values, h.colors);
     },
     [] { return Numbered({3, 1}); }},
    {"SJJG_SHOWZF_DLG",
     [](SampleHost& h) {
         static const std::string groups = Gbk(L"{梁|配筋|剪力}{柱|配筋}");
         KORVEL_EXPORT(SJJG_SHOWZF_DLG)(&h.result, &h.ints[0], &h.ints[1], groups.c_str());
     },
     [] { return Numbered({5, 1, 1, 0, 0, 1}); }},
};

}  // namespace

bool SampleHost::SameVariables(const SampleHost& other) const {
    return std::memcmp(ints, other.ints, sizeof ints) == 0 && std::memcmp(values, other.values, sizeof values) == 0 &&
           std::memcmp(colors, other.colors, sizeof colors) == 0;
}

const std::vector<SampleExport>& SampleExports() { return kExports; }

std::string SampleExportName(const SampleExport& which) { return which.name; }
