// GBK: a lead byte 0x81-0xFE takes the next byte; second bytes run 0x40-0xFE, so 0x7C ('|'),
// 0x7B ('{') and 0x7D ('}') can all be second bytes.
#include "host_text.h"

namespace {

int Pick(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

void AppendGbkChar(Rng& rng, std::string& out) {
    switch (Pick(rng, 0, 9)) {
    case 0:  // a lead byte whose second byte is a separator or a brace
        out += static_cast<char>(Pick(rng, 0x81, 0xFE));
        out += "|{}"[Pick(rng, 0, 2)];
        break;
    case 1: case 2: case 3:  // ASCII
        out += static_cast<char>(Pick(rng, 0x20, 0x7E));
        break;
    default:  // a common Chinese character
        out += static_cast<char>(Pick(rng, 0xB0, 0xF7));
        out += static_cast<char>(Pick(rng, 0xA1, 0xFE));
        break;
    }
}

std::string RandomName(Rng& rng) {
    std::string name;
    const int kind = Pick(rng, 0, 39);
    const int length = kind == 0 ? 2600 : kind < 8 ? 0 : Pick(rng, 1, 12);  // 2600 chars: 5,000+ bytes
    for (int i = 0; i < length; ++i) AppendGbkChar(rng, name);
    if (Pick(rng, 0, 9) == 0) name.insert(name.size() / 2, 1, "{}"[Pick(rng, 0, 1)]);
    return name;
}

std::string Names(Rng& rng, int entries) {
    std::string list;
    for (int i = 0; i < entries; ++i) {
        if (i) list += '|';
        list += RandomName(rng);
    }
    return list;
}

int RandomEntryCount(Rng& rng) {
    const int kind = Pick(rng, 0, 19);
    return kind == 0 ? Pick(rng, 100, 400) : kind == 1 ? 1 : Pick(rng, 2, 12);
}

void MaybeEndInLeadByte(Rng& rng, std::string& text) {
    if (Pick(rng, 0, 7) == 0) text += static_cast<char>(Pick(rng, 0x81, 0xFE));
}

}  // namespace

std::string RandomNameList(Rng& rng) {
    std::string list = Names(rng, RandomEntryCount(rng));
    MaybeEndInLeadByte(rng, list);
    return list;
}

std::string RandomGroupString(Rng& rng) {
    std::string groups;
    const int count = Pick(rng, 0, 6);
    for (int g = 0; g < count; ++g) {
        if (Pick(rng, 0, 4) == 0) groups += Names(rng, 1);  // text between groups
        groups += '{';
        groups += Names(rng, Pick(rng, 1, 6));
        if (g + 1 < count || Pick(rng, 0, 3)) groups += '}';
        if (Pick(rng, 0, 9) == 0) groups += "{}"[Pick(rng, 0, 1)];
    }
    MaybeEndInLeadByte(rng, groups);
    return groups;
}

int CountEntries(const std::string& names) {
    int entries = 1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto byte = static_cast<unsigned char>(names[i]);
        if (byte >= 0x81 && byte <= 0xFE) {
            ++i;  // the second byte, or the terminating zero after a lone lead byte
        } else if (byte == '|') {
            ++entries;
        }
    }
    return entries;
}

int MostItems(const std::string& groups) {
    int starts = 0;
    for (char c : groups)
        if (c == '{' || c == '|') ++starts;
    return starts;
}
