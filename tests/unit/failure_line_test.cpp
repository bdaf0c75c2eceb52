// The failure lines: one per cause, all in the same form, and the argument names they quote.
#include "core/failure_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using core::FailureKind;
using core::MakeFailure;
using core::Outcome;

struct LineCase {
    const char* name;
    core::Failure failure;
    Outcome outcome;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class FailureLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(FailureLineTest, NamesTheExportTheCauseAndTheOutcome) {
    const LineCase& c = GetParam();
    EXPECT_EQ(core::FailureLine("FXJG_SHOWND_DLG", c.failure, c.outcome), std::string(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailureLineTest,
    testing::Values(
        LineCase{"null_result", MakeFailure(FailureKind::NullArgument, "pResult"), Outcome::NothingStored,
                 "Korvel: FXJG_SHOWND_DLG: pResult is null; nothing shown, nothing stored\n"},
        LineCase{"null_argument", MakeFailure(FailureKind::NullArgument, "pCount"), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: pCount is null; nothing shown, result 1\n"},
        LineCase{"refused", MakeFailure(FailureKind::Refused), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: refused, another call's dialog is open; nothing shown, result 1\n"},
        LineCase{"quit", MakeFailure(FailureKind::Quit), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: WM_QUIT ended the dialog; result 1\n"},
        LineCase{"owner", MakeFailure(FailureKind::OwnerDestroyed), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: the owner window was destroyed; result 1\n"},
        LineCase{"dialog", MakeFailure(FailureKind::DialogDestroyed), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: the dialog window was destroyed; result 1\n"},
        LineCase{"not_created", MakeFailure(FailureKind::NotCreated, nullptr, 130, 1813), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: dialog 130 could not be created (error 1813); result 1\n"},
        LineCase{"nested_not_created", MakeFailure(FailureKind::NotCreated, nullptr, 1023, 5),
                 Outcome::DialogGoesOn,
                 "Korvel: FXJG_SHOWND_DLG: dialog 1023 could not be created (error 5); the dialog goes on\n"},
        LineCase{"chooser", MakeFailure(FailureKind::ChooserFailed, nullptr, 0, 65535), Outcome::DialogGoesOn,
                 "Korvel: FXJG_SHOWND_DLG: the colour chooser failed (CommDlgExtendedError 65535); the dialog "
                 "goes on\n"},
        LineCase{"chooser_text", MakeFailure(FailureKind::ChooserFailed, "no custom colours"),
                 Outcome::DialogGoesOn,
                 "Korvel: FXJG_SHOWND_DLG: the colour chooser failed: no custom colours; the dialog goes on\n"},
        LineCase{"exception", MakeFailure(FailureKind::Exception, "std::bad_alloc"), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: exception: std::bad_alloc; result 1\n"},
        LineCase{"unknown", MakeFailure(FailureKind::UnknownException), Outcome::ResultOne,
                 "Korvel: FXJG_SHOWND_DLG: unknown exception; result 1\n"}),
    [](const testing::TestParamInfo<LineCase>& i) { return std::string(i.param.name); });

TEST(FailureLineTest, LongTextIsCutAndTheLineStillEnds) {
    const std::string what(500, 'x');
    const core::Failure failure = MakeFailure(FailureKind::Exception, what.c_str());
    EXPECT_EQ(std::string(failure.text), std::string(sizeof failure.text - 1, 'x'));
    const std::string line = core::FailureLine("SDP_SHOWDWY_DLG", failure, Outcome::ResultOne);
    EXPECT_EQ(line, "Korvel: SDP_SHOWDWY_DLG: exception: " + std::string(sizeof failure.text - 1, 'x') +
                        "; result 1\n");
}

TEST(FailureLineTest, NoExportNameIsADash) {
    EXPECT_EQ(core::FailureLine(nullptr, MakeFailure(FailureKind::Quit), Outcome::ResultOne),
              "Korvel: -: WM_QUIT ended the dialog; result 1\n");
}

struct NameCase {
    const char* names;
    std::size_t index;
    const char* name;
};

TEST(FailureLineTest, NullArgumentIsNamedFromTheArgumentList) {
    const NameCase cases[] = {
        {"pCount", 0, "pCount"},
        {"pCount, pChoice, pSpeed", 0, "pCount"},
        {"pCount, pChoice, pSpeed", 1, "pChoice"},
        {"pCount, pChoice, pSpeed", 2, "pSpeed"},
        {"pCount,pChoice", 1, "pChoice"},
        {"pCount, pChoice", 5, "an argument"},  // beyond the list
        {nullptr, 0, "an argument"},
    };
    for (const NameCase& c : cases) {
        const core::Failure failure = core::NullArgumentFailure(c.names, c.index);
        EXPECT_EQ(failure.kind, FailureKind::NullArgument);
        EXPECT_STREQ(failure.text, c.name) << (c.names ? c.names : "(null)") << " #" << c.index;
    }
}

}  // namespace
