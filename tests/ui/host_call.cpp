// Calls of the button-list exports with the host's variables.
#include "host_call.h"

#include "korvel_library.h"
#include "resource.h"

const std::vector<ChoiceExportInfo>& ChoiceExports() {
    static const std::vector<ChoiceExportInfo> exports{
        {ChoiceExport::ShowND, "FXJG_SHOWND_DLG", L"各种工况挠度", false, {IDC_DEFL_ABSOLUTE, IDC_DEFL_RELATIVE, IDC_DEFL_SPAN_RATIO}},
        {ChoiceExport::ShowDH, "FXJG_SHOWDH_DLG", L"各种工况位移、振型", false, {IDC_SPEED_SLOW, IDC_SPEED_MEDIUM, IDC_SPEED_FAST}},
        {ChoiceExport::ShowZX, "FXJG_SHOWZX_DLG", L"各种振型", true, {IDC_SPEED_SLOW, IDC_SPEED_MEDIUM, IDC_SPEED_FAST}},
        {ChoiceExport::ShowZHNL, "FXJG_SHOWZHNL_DLG", L"选择查看", true, {}},
    };
    return exports;
}

const ChoiceExportInfo& Info(ChoiceExport which) {
    for (const auto& info : ChoiceExports())
        if (info.which == which) return info;
    return ChoiceExports().front();
}

void CallExport(ChoiceExport which, HostVars& v) {
    int* const result = &v.result;
    int* const count = &v.count;
    int* const columns = &v.columns;
    int* const choice = &v.choice;
    int* const option = &v.option;
    const char* names = v.nullNames ? nullptr : v.names.c_str();
    switch (which) {
    case ChoiceExport::ShowND: KORVEL_EXPORT(FXJG_SHOWND_DLG)(result, count, choice, option, names); break;
    case ChoiceExport::ShowDH: KORVEL_EXPORT(FXJG_SHOWDH_DLG)(result, count, choice, option, names); break;
    case ChoiceExport::ShowZX:
        KORVEL_EXPORT(FXJG_SHOWZX_DLG)(result, count, columns, choice, option, names, v.caption);
        break;
    case ChoiceExport::ShowZHNL:
        KORVEL_EXPORT(FXJG_SHOWZHNL_DLG)(result, count, columns, choice, names, v.caption);
        break;
    }
}
