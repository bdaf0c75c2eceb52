// The host's texts, decoded.
#include "platform/host_text.h"

#include "core/names.h"
#include "platform/gbk_text.h"

namespace platform {

std::wstring HostText(const char* gbk) { return FromGbk(core::HostString(gbk)); }

std::vector<std::wstring> SplitGbkNames(std::string_view gbk) { return FromGbk(core::SplitNames(gbk)); }

}  // namespace platform
