// The calls that fail (and the ones the user ends), made in the child, and the debug lines each
// must write there.
#pragma once
#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct TraceCase {
    std::string name;
    std::function<void()> run;        // in the child: the calls, their results checked there
    std::vector<std::string> lines;  // in order, without the "\n" each ends in; "#" is a number
};

const std::vector<TraceCase>& TraceCases();
void PrintTo(const TraceCase& c, std::ostream* os);

// The debug string the child writes before each case's calls.
std::string CaseMarker(const std::string& name);
// True when `line` is `pattern`, read with "#" as a decimal number.
bool LineMatches(const std::string& line, const std::string& pattern);
