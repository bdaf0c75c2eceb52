// Opening the report's outputs and writing its lines.
#include "report.h"

namespace demo {
namespace {

bool Usable(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

UniqueKernelHandle OpenForWriting(const wchar_t* path, DWORD creation) {
    HANDLE handle = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, creation,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueKernelHandle(Usable(handle) ? handle : nullptr);
}

void WriteAll(HANDLE handle, const std::string& text) {
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

Report::Report(const std::wstring& path) : m_file(OpenForWriting(path.c_str(), CREATE_ALWAYS)) {
    // A GUI program has standard output only when its starter handed one over (a redirection, or
    // Wine started from a terminal); one started from a console window writes to that console.
    m_stdout = GetStdHandle(STD_OUTPUT_HANDLE);
    if (Usable(m_stdout)) return;
    m_stdout = nullptr;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        m_console = OpenForWriting(L"CONOUT$", OPEN_EXISTING);
        m_stdout = m_console.get();
    }
}

void Report::Line(const std::string& line) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string text = line + "\n";
    if (m_stdout) WriteAll(m_stdout, text);
    if (m_file) {
        WriteAll(m_file.get(), text);
        FlushFileBuffers(m_file.get());  // a run that times out still leaves its lines behind
    }
}

}  // namespace demo
