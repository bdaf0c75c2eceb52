// Extended dialog templates (DLGTEMPLATEEX, as the resource compiler writes DIALOGEX) read as
// bytes: a control's style changed in a copy before the dialog is made from it, for the styles
// a control takes only when it is created.
#pragma once
#include <cstdint>
#include <vector>

namespace core {

// Adds `style` to the style of the control `id` of the extended template `bytes`. False, with
// the bytes as they were, when they are no whole extended template or hold no such control.
bool AddControlStyle(std::vector<std::uint8_t>& bytes, std::uint32_t id, std::uint32_t style);

}  // namespace core
