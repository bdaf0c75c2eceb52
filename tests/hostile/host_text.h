// Random host text: GBK name lists and group strings with what a careless host puts in them.
#pragma once
#include <random>
#include <string>

using Rng = std::mt19937_64;

// A name list of random entries: Chinese and ASCII text, '|' as a second byte, braces in odd
// places, empty entries, now and then a 5,000-byte name or hundreds of entries, and sometimes a
// lone lead byte just before the terminating zero.
std::string RandomNameList(Rng& rng);
// A group string: brace-enclosed name lists with text between them, braces in odd places, a last
// group without its '}'.
std::string RandomGroupString(Rng& rng);

// Entries of a name list as the library documents it: '|' separates unless it is the second
// byte of a GBK character; a lone lead byte at the end is one character.
int CountEntries(const std::string& names);
// No more items than this can come out of a group string: every item is a name, and a name
// starts after '{' or '|'.
int MostItems(const std::string& groups);
