// The group string of the check tree: one brace-enclosed name list per group, "{A|a1|a2} {B|b1}".
// Braces are found by GBK character, so a trail byte equal to "{" or "}" never counts.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The texts between each "{" and the first "}" after it, in order. Text between groups is
// ignored, braces do not nest, and a last group without its "}" is dropped.
std::vector<std::string> ParseGroups(std::string_view groups);
// The same for a group string of the library's own, already in UTF-16.
std::vector<std::wstring> ParseGroups(std::wstring_view groups);

}  // namespace core
