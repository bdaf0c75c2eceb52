// Every pointer argument of every export, null, from the catalogue of the exports: a null pResult
// shows nothing and writes nothing; a null count, choice, option or array gives result 1 without a
// dialog and writes nothing else, also with a count of 0 (but for the text switches, whose empty
// tree reads nothing); a null string is an empty one and the dialog opens as usual; the
// member-design dialog's unused argument and a null switch array (shown as the defaults) change
// nothing. The export that reads pResult is tried in both of its modes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "catalogue/export_table.h"
#include "dialog_driver.h"

namespace {

using catalogue::ArgKind;

enum class Answer { NothingShown, OneWithoutADialog, DialogAsUsual };

struct NullCase {
    std::string label;
    const catalogue::ExportEntry* entry;
    int nullArg;     // the argument after pResult given as null; -1: pResult itself
    int zeroCount;   // an argument set to 0 besides, or -1
    Answer answer;
    const wchar_t* resultIn;  // what *pResult holds at the call, where it is read; null: the sample
};

void PrintTo(const NullCase& c, std::ostream* os) { *os << c.label; }

// Where the header answers otherwise than by the argument's kind.
struct Exception {
    const char* exportName;
    const char* arg;
    bool countZero;
    Answer answer;
};
const Exception kExceptions[] = {
    {"MEMB_DESIGN_INOF_SHOWDLG", "pUnused", false, Answer::DialogAsUsual},
    {"MEMB_DESIGN_INOF_SHOWDLG", "pBeamSwitches", false, Answer::DialogAsUsual},  // shows the defaults
    {"SJJG_SHOWZF_DLG", "pSwitches", true, Answer::DialogAsUsual},  // an empty tree reads nothing
};

Answer AnswerFor(const catalogue::ExportEntry& entry, const catalogue::Argument& arg, bool countZero) {
    for (const Exception& e : kExceptions)
        if (std::string(e.exportName) == entry.name && std::string(e.arg) == arg.name && e.countZero == countZero)
            return e.answer;
    return arg.kind == ArgKind::Names || arg.kind == ArgKind::Caption ? Answer::DialogAsUsual
                                                                       : Answer::OneWithoutADialog;
}

// The cases of one export, with *pResult holding `resultIn` where the export reads it.
void AddCases(const catalogue::ExportEntry& entry, const wchar_t* resultIn, const std::string& mode,
              std::vector<NullCase>& cases) {
    const std::string prefix = std::string(entry.name) + mode + "_";
    cases.push_back({prefix + "pResult", &entry, -1, -1, Answer::NothingShown, resultIn});
    for (int i = 0; i < static_cast<int>(entry.args.size()); ++i) {
        const catalogue::Argument& arg = entry.args[static_cast<std::size_t>(i)];
        if (arg.kind == ArgKind::ResultIn) continue;  // pResult, read too: the case above
        const std::string label = prefix + arg.name;
        cases.push_back({label, &entry, i, -1, AnswerFor(entry, arg, false), resultIn});
        // A null array whose count says it is empty.
        if (arg.lengthArg >= 0 && AnswerFor(entry, arg, false) == Answer::OneWithoutADialog)
            cases.push_back({label + "_count_0", &entry, i, arg.lengthArg, AnswerFor(entry, arg, true), resultIn});
    }
}

std::vector<NullCase> AllCases() {
    std::vector<NullCase> cases;
    for (const catalogue::ExportEntry& entry : catalogue::Exports()) {
        AddCases(entry, nullptr, "", cases);
        // An export that reads pResult as its mode: the other mode too (1: plain).
        if (!entry.args.empty() && entry.args[0].kind == ArgKind::ResultIn) AddCases(entry, L"1", "_plain", cases);
    }
    return cases;
}

class NullArgumentTest : public testing::TestWithParam<NullCase> {};

TEST_P(NullArgumentTest, GetsTheAnswerTheHeaderGives) {
    const NullCase& c = GetParam();
    std::vector<std::wstring> texts = catalogue::SampleTexts(c.entry->args);
    if (c.resultIn) texts[0] = c.resultIn;
    if (c.zeroCount >= 0) texts[static_cast<std::size_t>(c.zeroCount)] = L"0";
    if (c.nullArg >= 0) texts[static_cast<std::size_t>(c.nullArg)] = L"null";
    std::size_t bad = 0;
    std::optional<catalogue::HostCall> host = catalogue::HostCall::Parse(c.entry->args, texts, &bad);
    ASSERT_TRUE(host) << "the catalogue's sample " << bad << " does not parse";
    if (c.nullArg < 0) host->SetNullResult();
    const std::string before = host->DescribeEveryElement();
    const int resultBefore = host->ResultCode();  // -1, or what a host that sets it put there

    const Expect expect = c.answer == Answer::DialogAsUsual ? Expect::Dialog : Expect::NoDialog;
    RunDialog([&] { c.entry->call(*host); },
              [&](DialogDriver& d) {
                  d.ClickItem(IDOK);
                  EXPECT_TRUE(d.WaitClosed());
              },
              expect);
    switch (c.answer) {
    case Answer::NothingShown:
        EXPECT_EQ(host->ResultCode(), resultBefore) << "nothing is stored";
        EXPECT_EQ(host->DescribeEveryElement(), before);
        break;
    case Answer::OneWithoutADialog:
        EXPECT_EQ(host->ResultCode(), 1);
        EXPECT_EQ(host->DescribeEveryElement(), before);
        break;
    case Answer::DialogAsUsual:
        EXPECT_EQ(host->ResultCode(), 0);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPointer, NullArgumentTest, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<NullCase>& i) { return i.param.label; });

}  // namespace
