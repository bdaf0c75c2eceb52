// What the dialogs' data exchange makes of text: an integer typed into a box, and the warning
// prompts with their placeholders filled in.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// An optional sign and decimal digits, with blanks (spaces, tabs) allowed around them, in the
// text as the user meant it (MeantText: "１０" is 10); false for anything else, the empty text
// and "1。5" included. Values beyond an int are cut to INT_MIN or INT_MAX, so that a range
// check rejects them.
bool ParseInteger(std::wstring_view typed, int& value);

// The prompt with "%1" replaced by arguments[0], "%2" by arguments[1], and so on; a '%' that
// names no argument stays as it is.
std::wstring FormatPrompt(std::wstring_view prompt, const std::vector<std::wstring>& arguments);

}  // namespace core
