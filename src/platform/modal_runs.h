// The library's modal dialogs that are open, innermost last, so that an exception caught at the
// platform's edge can end all of them as failures: a half-handled message leaves the controls in
// a state nobody chose, in the dialog that failed and in the ones it was opened from.
#pragma once

namespace platform {

class CDialog;

// Held by CDialog::DoModal for the length of one modal run.
class ModalRun {
public:
    explicit ModalRun(CDialog& dialog) noexcept;
    ~ModalRun();
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;
    // True while a run is open: a dialog opened now is opened from another.
    static bool AnyOpen() noexcept;

private:
    friend void FailOpenDialogs() noexcept;
    CDialog& m_dialog;
    ModalRun* m_outer;
};

// Ends every open dialog of the library as a failure.
void FailOpenDialogs() noexcept;

}  // namespace platform
