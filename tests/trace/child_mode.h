// The program runs twice: as the test (the debugger) and, with kChildArgument, as the child that
// makes the calls.
#pragma once

constexpr char kChildArgument[] = "--trace-child";
// The debug string the child writes once every case has run.
constexpr char kChildEndMarker[] = "korvel-trace-end\n";

bool IsChild() noexcept;
