// Styles added to a control of an extended dialog template: found by its id past strings,
// ordinals, a font and creation data; nothing changed when the id or the template is not there.
#include "core/dialog_template.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class TemplateBytes {
public:
    template <class T>
    TemplateBytes& Put(T value) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
        bytes.insert(bytes.end(), p, p + sizeof value);
        return *this;
    }
    TemplateBytes& String(const std::u16string& text) {
        for (char16_t c : text) Put<std::uint16_t>(c);
        return Put<std::uint16_t>(0);
    }
    TemplateBytes& Ordinal(std::uint16_t number) { return Put<std::uint16_t>(0xFFFF).Put(number); }
    TemplateBytes& Align() {
        while (bytes.size() % 4) bytes.push_back(0);
        return *this;
    }
    std::vector<std::uint8_t> bytes;
};

constexpr std::uint32_t kSetFont = 0x40;
constexpr std::uint32_t kListStyle = 0x50010001;
constexpr std::uint32_t kButtonStyle = 0x50010000;

struct Built {
    std::vector<std::uint8_t> bytes;
    std::size_t listStyleAt;
    std::size_t buttonStyleAt;
};

// A dialog with a menu by number, a class by name, a title and a font, then a button (class by
// number, title by name, two bytes of creation data) and a list (class by name, no title).
Built TwoControls(std::uint32_t dialogStyle = kSetFont) {
    TemplateBytes t;
    t.Put<std::uint16_t>(1).Put<std::uint16_t>(0xFFFF).Put<std::uint32_t>(0).Put<std::uint32_t>(0);
    t.Put(dialogStyle).Put<std::uint16_t>(2).Put<std::int16_t>(0).Put<std::int16_t>(0).Put<std::int16_t>(200).Put<std::int16_t>(100);
    t.Ordinal(7).String(u"Frame").String(u"Title");
    if (dialogStyle & kSetFont) t.Put<std::uint16_t>(9).Put<std::uint16_t>(400).Put<std::uint8_t>(0).Put<std::uint8_t>(1).String(u"Font");
    Built built{};
    t.Align().Put<std::uint32_t>(0).Put<std::uint32_t>(0);
    built.buttonStyleAt = t.bytes.size();
    t.Put(kButtonStyle).Put<std::int16_t>(1).Put<std::int16_t>(2).Put<std::int16_t>(3).Put<std::int16_t>(4);
    t.Put<std::uint32_t>(1).Ordinal(0x80).String(u"OK").Put<std::uint16_t>(2).Put<std::uint16_t>(0xABCD);
    t.Align().Put<std::uint32_t>(0).Put<std::uint32_t>(0);
    built.listStyleAt = t.bytes.size();
    t.Put(kListStyle).Put<std::int16_t>(1).Put<std::int16_t>(2).Put<std::int16_t>(3).Put<std::int16_t>(4);
    t.Put<std::uint32_t>(1021).String(u"SysListView32").Put<std::uint16_t>(0).Put<std::uint16_t>(0);
    built.bytes = t.bytes;
    return built;
}

std::uint32_t StyleAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t style = 0;
    std::memcpy(&style, bytes.data() + at, sizeof style);
    return style;
}

TEST(DialogTemplateTest, AddsTheStyleToTheNamedControlOnly) {
    for (std::uint32_t dialogStyle : {kSetFont, 0u}) {
        Built t = TwoControls(dialogStyle);
        ASSERT_TRUE(core::AddControlStyle(t.bytes, 1021, 0x1000)) << dialogStyle;
        EXPECT_EQ(StyleAt(t.bytes, t.listStyleAt), kListStyle | 0x1000);
        EXPECT_EQ(StyleAt(t.bytes, t.buttonStyleAt), kButtonStyle);
        ASSERT_TRUE(core::AddControlStyle(t.bytes, 1, 0x8));
        EXPECT_EQ(StyleAt(t.bytes, t.buttonStyleAt), kButtonStyle | 0x8);
    }
}

struct Unchanged {
    const char* label;
    std::vector<std::uint8_t> bytes;
    std::uint32_t id;
};

void PrintTo(const Unchanged& c, std::ostream* os) { *os << c.label; }

class DialogTemplateUnchangedTest : public testing::TestWithParam<Unchanged> {};

TEST_P(DialogTemplateUnchangedTest, LeavesTheBytesAsTheyWere) {
    std::vector<std::uint8_t> bytes = GetParam().bytes;
    EXPECT_FALSE(core::AddControlStyle(bytes, GetParam().id, 0x1000));
    EXPECT_EQ(bytes, GetParam().bytes);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

std::vector<std::uint8_t> NotExtended() {
    std::vector<std::uint8_t> bytes = TwoControls().bytes;
    bytes[2] = 0;  // the signature
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogTemplateUnchangedTest,
    testing::Values(Unchanged{"no_such_control", TwoControls().bytes, 1022},
                    Unchanged{"cut_inside_the_last_control", Cut(TwoControls().bytes, TwoControls().listStyleAt + 20), 1021},
                    Unchanged{"cut_inside_the_header", Cut(TwoControls().bytes, 9), 1},
                    Unchanged{"empty", {}, 1},
                    Unchanged{"not_an_extended_template", NotExtended(), 1021}),
    [](const testing::TestParamInfo<Unchanged>& i) { return std::string(i.param.label); });

}  // namespace
