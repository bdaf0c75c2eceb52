// What a screen reader reads as the names of the picker's swatches and of the member design
// dialog's lists and tree, and how the library gives the lists and the tree their names: through
// the platform's property services, with COM on the host's thread left as the host had it.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "accessible_read.h"
#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"
#include "member_design_host.h"
#include "prop_services_recorder.h"
#include "resource.h"

namespace {

// Each list's label follows it in the template; the tree, which has none, takes the title.
const std::pair<int, std::wstring> kMemberDesignNames[] = {{IDC_LIST_BEAM, L"梁结果显示"},
                                                           {IDC_LIST_COLUMN, L"柱结果显示"},
                                                           {IDC_LIST_WALL, L"墙结果显示"},
                                                           {IDC_LIST_SLAB, L"板结果显示"},
                                                           {IDC_MEMBER_TREE, L"构件设计结果显示开关"}};

bool NoneNamed(const std::vector<AccessibleRead>& reads) {
    for (const AccessibleRead& read : reads)
        if (read.HasName()) return false;
    return true;
}

std::string Answers(const std::vector<AccessibleRead>& reads) {
    std::string text;
    char line[64];
    for (const AccessibleRead& read : reads) {
        wsprintfA(line, " [object 0x%08lx, name 0x%08lx]", static_cast<unsigned long>(read.found),
                  static_cast<unsigned long>(read.named));
        text += line;
    }
    return text;
}

TEST(AccessibleNameTest, SwatchesAreReadByTheirColoursNames) {
    std::vector<AccessibleRead> reads;
    ColourTableVars vars = ColourTable(L"H|A", {0, 12});
    RunColourTable(vars, [&](DialogDriver& d, const ListView& list) {
        DialogDriver picker(OpenColourCell(d, list, 0, 1));
        ASSERT_NE(picker.Dialog(), nullptr);
        for (int n = 0; n < 16; ++n) reads.push_back(ReadAccessibleName(picker.Item(IDC_SWATCH_FIRST + n)));
        picker.ClickItem(IDCANCEL);
        ASSERT_TRUE(picker.WaitClosed());
    });
    ASSERT_EQ(reads.size(), 16u);
    if (NoneNamed(reads)) GTEST_SKIP() << "the platform's accessibility framework named no button:" << Answers(reads);
    for (std::size_t n = 0; n < reads.size(); ++n) {
        EXPECT_TRUE(reads[n].HasName()) << n;
        EXPECT_EQ(reads[n].name, BaseColourNames()[n]) << n;
    }
}

TEST(AccessibleNameTest, MemberDesignListsAndTreeAreReadByTheirLabels) {
    std::vector<AccessibleRead> reads;
    MemberDesignHost host;
    RunMemberDesign(host, [&](DialogDriver& d) {
        for (const auto& [id, name] : kMemberDesignNames) reads.push_back(ReadAccessibleName(d.Item(id)));
    });
    EXPECT_EQ(host.result, 0);
    ASSERT_EQ(reads.size(), std::size(kMemberDesignNames));
    if (NoneNamed(reads))
        GTEST_SKIP() << "no name for any list or the tree: Wine's accessibility framework names a list or tree "
                        "only by its window text, and its IAccPropServices::SetHwndPropStr answers E_NOTIMPL, "
                        "so the names the library gives by annotation cannot be read here"
                     << Answers(reads);
    for (std::size_t i = 0; i < reads.size(); ++i) {
        EXPECT_TRUE(reads[i].HasName()) << i;
        EXPECT_EQ(reads[i].name, kMemberDesignNames[i].second) << i;
    }
}

enum class HostCom { None, Apartment, Multithreaded };

struct ComCase {
    const char* label;
    HostCom com;
    int closeWith;
};

void PrintTo(const ComCase& c, std::ostream* os) { *os << c.label; }

DWORD Mode(HostCom com) { return com == HostCom::Apartment ? COINIT_APARTMENTTHREADED : COINIT_MULTITHREADED; }

class MemberDesignAccessibleNameTest : public testing::TestWithParam<ComCase> {};

// A host with COM: the library's calls are recorded by services registered in the host's
// apartment. Each list and the tree get their name while the dialog is open, and lose it before
// their windows go; the services are released; the host's apartment stays; COM is initialised on
// the host's thread afterwards exactly as before the call.
TEST_P(MemberDesignAccessibleNameTest, NamedByTheirLabelsWhileOpenAndComLeftAsItWas) {
    const ComCase& c = GetParam();
    std::optional<PropServicesRecorder> recorder;
    if (c.com != HostCom::None) {
        ASSERT_EQ(CoInitializeEx(nullptr, Mode(c.com)), S_OK) << "COM was already initialised on the test's thread";
        recorder.emplace();
        ASSERT_EQ(recorder->Registration(), S_OK);
    }
    std::map<HWND, std::wstring> expected;
    MemberDesignHost host;
    const DialogRun run = RunMemberDesign(
        host,
        [&](DialogDriver& d) {
            for (const auto& [id, name] : kMemberDesignNames) expected[d.Item(id)] = name;
        },
        c.closeWith);
    EXPECT_TRUE(run.appeared);
    EXPECT_EQ(host.result, c.closeWith == IDOK ? 0 : 1);

    if (recorder) {
        std::map<HWND, std::wstring> named;
        for (const auto& name : recorder->NamesSet()) {
            EXPECT_EQ(name.object, static_cast<DWORD>(OBJID_CLIENT));
            EXPECT_EQ(name.child, static_cast<DWORD>(CHILDID_SELF));
            EXPECT_TRUE(name.nameProperty);
            named[name.control] = name.text;
        }
        EXPECT_EQ(recorder->NamesSet().size(), expected.size());
        EXPECT_EQ(named, expected);
        std::map<HWND, int> cleared;
        for (const auto& clear : recorder->AnnotationsCleared()) {
            if (clear.stateProperty == std::vector<bool>{true}) continue;  // the tree's item states
            EXPECT_TRUE(clear.windowExisted) << "cleared after its window went";
            EXPECT_EQ(clear.object, static_cast<DWORD>(OBJID_CLIENT));
            EXPECT_EQ(clear.child, static_cast<DWORD>(CHILDID_SELF));
            EXPECT_EQ(clear.nameProperty, std::vector<bool>{true});
            ++cleared[clear.control];
        }
        std::map<HWND, int> once;
        for (const auto& [window, name] : expected) once[window] = 1;
        EXPECT_EQ(cleared, once);
        EXPECT_EQ(recorder->LiveServices(), 0) << "the services were not released";
        recorder.reset();
        EXPECT_EQ(CoInitializeEx(nullptr, Mode(c.com)), S_FALSE) << "the host's apartment is gone";
        CoUninitialize();
        CoUninitialize();
    }
    const HRESULT after = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(after)) CoUninitialize();
    EXPECT_EQ(after, S_OK) << "COM was left initialised on the host's thread";
}

INSTANTIATE_TEST_SUITE_P(HostApartments, MemberDesignAccessibleNameTest,
                         testing::Values(ComCase{"no_com", HostCom::None, IDOK},
                                         ComCase{"apartment", HostCom::Apartment, IDOK},
                                         ComCase{"apartment_cancelled", HostCom::Apartment, IDCANCEL},
                                         ComCase{"multithreaded", HostCom::Multithreaded, IDOK}),
                         [](const testing::TestParamInfo<ComCase>& i) { return std::string(i.param.label); });

}  // namespace
