// The host's window titles.
#include "platform/host_caption.h"

#include "platform/host_text.h"

namespace platform {

void HostCaption::Set(const char* gbk) {
    m_strText = HostText(gbk);
    m_bSet = true;
}

void HostCaption::ApplyTo(HWND window) const {
    if (m_bSet) SetWindowTextW(window, m_strText.c_str());
}

}  // namespace platform
