// HostCaption: a window title the host hands in as GBK text, kept from the export's call until
// the dialog's window exists.
#pragma once
#include <windows.h>

#include <string>

namespace platform {

class HostCaption {
public:
    // Decodes and keeps the host's title; a null one is an empty title.
    void Set(const char* gbk);
    bool IsSet() const noexcept { return m_bSet; }
    const std::wstring& Text() const noexcept { return m_strText; }
    // Titles `window` with the host's title when one was set; otherwise its own title stays.
    void ApplyTo(HWND window) const;

private:
    std::wstring m_strText;
    bool m_bSet = false;
};

}  // namespace platform
