// Runs a program as a debugged child and collects what it writes through OutputDebugString.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct DebugRun {
    bool started = false;
    bool exited = false;   // the child ended by itself before the deadline
    DWORD exitCode = 0;
    std::vector<std::string> texts;  // each debug string as written, UTF-8
    int unicodeTexts = 0;             // of them, those that came as UTF-16 (fUnicode)
};

// Starts `commandLine` with DEBUG_ONLY_THIS_PROCESS and serves its debug events until it exits or
// `timeoutMs` have passed; a child still running then is ended.
DebugRun RunDebugged(const std::wstring& commandLine, DWORD timeoutMs);
