// The debugger's side: runs the child once, under the debug API, and checks that each case wrote
// exactly its lines through OutputDebugString (and the user's own ways out none).
#include <gtest/gtest.h>

#include <windows.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "child_mode.h"
#include "debug_child.h"
#include "trace_cases.h"

namespace {

// Every case's calls take well under a second; this is for a machine that is very busy.
constexpr DWORD kChildTimeoutMs = 60000;

struct ChildTrace {
    DebugRun run;
    bool ended = false;                                    // the child's last marker came
    std::map<std::string, std::vector<std::string>> lines;  // the library's, by case
    std::vector<std::string> stray;                         // library lines before any case
};

ChildTrace RunChild() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" ";
    for (const char* c = kChildArgument; *c; ++c) commandLine += static_cast<wchar_t>(*c);
    ChildTrace trace;
    trace.run = RunDebugged(commandLine, kChildTimeoutMs);
    const std::string casePrefix = CaseMarker("");
    const std::string casePrefixText = casePrefix.substr(0, casePrefix.size() - 1);
    std::vector<std::string>* current = &trace.stray;
    for (const std::string& text : trace.run.texts) {
        if (text == kChildEndMarker) {
            trace.ended = true;
            current = &trace.stray;
        } else if (text.rfind(casePrefixText, 0) == 0) {
            const std::string name = text.substr(casePrefixText.size(), text.size() - casePrefixText.size() - 1);
            current = &trace.lines[name];
        } else if (text.rfind("Korvel", 0) == 0) {
            current->push_back(text);
        }
    }
    return trace;
}

const ChildTrace& Trace() {
    static const ChildTrace trace = RunChild();
    return trace;
}

// The lines one to a row, each line's own "\n" shown as such.
std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\n') line.replace(line.size() - 1, 1, "\\n");
        all += "  " + line + "\n";
    }
    return all.empty() ? "  (none)\n" : all;
}

TEST(TraceTest, ChildRanEveryCaseAndPassed) {
    const ChildTrace& trace = Trace();
    ASSERT_TRUE(trace.run.started) << "the child could not be started under the debugger";
    EXPECT_TRUE(trace.run.exited) << "the child was still running after " << kChildTimeoutMs << " ms";
    EXPECT_TRUE(trace.ended) << "the child's last marker never came: no debug string reached the debugger";
    EXPECT_EQ(trace.run.exitCode, 0u) << "a check in the child failed (its output is above)";
    EXPECT_TRUE(trace.stray.empty()) << "library lines outside every case:\n" << Joined(trace.stray);
    std::cout << trace.run.texts.size() << " debug strings, " << trace.run.unicodeTexts << " of them as UTF-16\n";
    for (const auto& [name, lines] : trace.lines) std::cout << name << ":\n" << Joined(lines);
}

class TraceTest : public testing::TestWithParam<TraceCase> {};

TEST_P(TraceTest, WritesExactlyItsLines) {
    const TraceCase& c = GetParam();
    const auto found = Trace().lines.find(c.name);
    ASSERT_NE(found, Trace().lines.end()) << "the child never reached the case";
    const std::vector<std::string>& written = found->second;
    bool same = written.size() == c.lines.size();
    for (std::size_t i = 0; same && i < written.size(); ++i) same = LineMatches(written[i], c.lines[i] + "\n");
    EXPECT_TRUE(same) << "written:\n" << Joined(written) << "expected:\n" << Joined(c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, TraceTest, testing::ValuesIn(TraceCases()),
                         [](const testing::TestParamInfo<TraceCase>& i) { return i.param.name; });

}  // namespace
