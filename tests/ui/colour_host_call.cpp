// Calls of the colour and contour exports with the host's variables.
#include "colour_host_call.h"

#include <utility>

#include "gbk.h"
#include "korvel_library.h"

ColourTableVars ColourTable(const std::wstring& names, std::vector<int> colors, int spare) {
    ColourTableVars vars;
    vars.names = Gbk(names);
    vars.count = static_cast<int>(colors.size());
    vars.colors = std::move(colors);
    vars.colors.resize(vars.colors.size() + static_cast<std::size_t>(spare), kUntouched);
    return vars;
}

ContourVars Contour(int mode, std::vector<float> values, std::vector<unsigned long> colors, int spare) {
    ContourVars vars;
    vars.mode = mode;
    vars.count = static_cast<int>(values.size());
    vars.values = std::move(values);
    vars.colors = std::move(colors);
    vars.values.resize(vars.values.size() + static_cast<std::size_t>(spare), kUntouchedValue);
    vars.colors.resize(vars.values.size(), kUntouchedColor);
    return vars;
}

void CallColourTable(ColourTableVars& v) {
    static const auto call = KORVEL_EXPORT(SDP_SHOWCOLOR_DLG);
    call(&v.result, &v.count, v.colors.data(),
         v.nullNames ? nullptr : v.names.c_str(), v.caption);
}

void CallContour(ContourVars& v, ContourExport call) {
    static const ContourExport library = KORVEL_EXPORT(SDP_SHOWDWY_DLG);
    if (!call) call = library;
    call(&v.result, &v.count, &v.mode, v.values.data(), v.colors.data());
}
