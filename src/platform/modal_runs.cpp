// The open modal runs form a list through the DoModal frames. The library serves one caller at a
// time (the exports refuse a second one), so one list serves the process; it is plain data, so
// nothing of it runs at thread exit or after the module is unloaded.
#include "platform/modal_runs.h"

#include "platform/dialog.h"

namespace platform {
namespace {
ModalRun* g_innermost = nullptr;
}  // namespace

ModalRun::ModalRun(CDialog& dialog) noexcept : m_dialog(dialog), m_outer(g_innermost) { g_innermost = this; }

ModalRun::~ModalRun() { g_innermost = m_outer; }

bool ModalRun::AnyOpen() noexcept { return g_innermost != nullptr; }

void FailOpenDialogs() noexcept {
    // Innermost first, each run to the one it was opened from.
    for (ModalRun* run = g_innermost; run; run = run->m_outer) run->m_dialog.EndAsFailure();
}

}  // namespace platform
