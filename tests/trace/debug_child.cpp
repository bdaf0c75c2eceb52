// The debugger's loop: every event is answered, so the child runs on; only output strings are kept.
#include "debug_child.h"

namespace {

std::string Utf8(const std::wstring& text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr,
                            nullptr);
    return utf8;
}

// The string of an OUTPUT_DEBUG_STRING_EVENT, which may come as ANSI or as UTF-16.
std::string ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info) {
    const std::size_t length = info.nDebugStringLength;  // with its terminating zero
    if (length == 0) return {};
    SIZE_T read = 0;
    if (info.fUnicode) {
        std::wstring text(length, L'\0');
        if (!ReadProcessMemory(process, info.lpDebugStringData, text.data(), length * sizeof(wchar_t), &read))
            return "<unreadable>";
        text.resize(read / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return Utf8(text);
    }
    std::string text(length, '\0');
    if (!ReadProcessMemory(process, info.lpDebugStringData, text.data(), length, &read)) return "<unreadable>";
    text.resize(read);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    // ANSI strings come in the child's code page: the library's lines are ASCII.
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), converted.data(), wide);
    return Utf8(converted);
}

// How an event is answered: breakpoints (the loader's first one) are the debugger's own; every
// other exception goes back to the child's handlers (a C++ throw, or a wide debug string that
// OutputDebugStringW then writes again as ANSI).
DWORD Answer(const DEBUG_EVENT& event) {
    if (event.dwDebugEventCode != EXCEPTION_DEBUG_EVENT) return DBG_CONTINUE;
    return event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT ? DBG_CONTINUE
                                                                                     : DBG_EXCEPTION_NOT_HANDLED;
}

void CloseEventHandles(const DEBUG_EVENT& event) {
    if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && event.u.CreateProcessInfo.hFile)
        CloseHandle(event.u.CreateProcessInfo.hFile);
    if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
}

}  // namespace

DebugRun RunDebugged(const std::wstring& commandLine, DWORD timeoutMs) {
    DebugRun run;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr,
                        &startup, &child))
        return run;
    run.started = true;
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        DEBUG_EVENT event{};
        if (waited >= timeoutMs || !WaitForDebugEvent(&event, timeoutMs - waited)) break;
        if (event.dwDebugEventCode == OUTPUT_DEBUG_STRING_EVENT) {
            run.texts.push_back(ReadDebugString(child.hProcess, event.u.DebugString));
            if (event.u.DebugString.fUnicode) ++run.unicodeTexts;
        }
        CloseEventHandles(event);
        const bool exited = event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT;
        if (exited) {
            run.exited = true;
            run.exitCode = event.u.ExitProcess.dwExitCode;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, Answer(event));
        if (exited) break;
    }
    if (!run.exited) {
        TerminateProcess(child.hProcess, 1);
        DebugActiveProcessStop(child.dwProcessId);
    }
    WaitForSingleObject(child.hProcess, 5000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return run;
}
