// Catches the dialog that an export opens on this thread: a WH_CBT hook sees it activate, a
// thread timer whose steps run inside the dialog's modal loop waits until it has painted, takes
// its picture from the screen and presses OK. Every wait has a time-out: a dialog that does not
// close after OK is cancelled and then ended.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "screen_capture.h"
#include "win_handles.h"

namespace demo {

class DialogCatcher {
public:
    struct Timing {
        DWORD settleMs = 300;   // from the dialog's showing to its picture
        DWORD appearMs = 10000; // for the dialog to show, once the modal loop runs
        DWORD closeMs = 3000;   // for the dialog to close after OK, and again after Cancel
    };

    // Watches from construction to destruction; one catcher at a time on a thread.
    explicit DialogCatcher(Timing timing);
    DialogCatcher() : DialogCatcher(Timing{}) {}
    ~DialogCatcher();
    DialogCatcher(const DialogCatcher&) = delete;
    DialogCatcher& operator=(const DialogCatcher&) = delete;

    // Instead of photographing the caught dialog, `takeInner` photographs one it opens (and
    // closes again); then the caught dialog is confirmed with OK as usual.
    using InnerPicture = std::function<RgbImage(HWND dialog, std::string& problem)>;
    void PhotographInner(InnerPicture takeInner) { m_takeInner = std::move(takeInner); }

    bool Appeared() const noexcept { return m_dialog != nullptr; }
    // Done with the dialog: closed, or given up on.
    bool Finished() const noexcept { return m_state == State::Closed || m_state == State::GaveUp; }
    bool Captured() const noexcept { return m_picture.width > 0; }
    // The dialog closed after OK, with nothing forced.
    bool ClosedByOk() const noexcept { return Closed() && !m_forced; }
    const RgbImage& Picture() const noexcept { return m_picture; }
    // What went wrong, empty when nothing did. Read it after the export has returned.
    std::string Problem() const;

private:
    enum class State { Waiting, Settling, Capturing, Closing, Closed, GaveUp };

    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);

    void Step() noexcept;
    void StepWaiting(DWORD now);
    void StepSettling(DWORD now);
    void StepCapturing(DWORD now);
    void StepClosing(DWORD now);
    void Fail(const char* problem);
    // OK or Cancel was pressed and the window is gone; the modal loop may end before the timer
    // sees it.
    bool Closed() const noexcept;

    Timing m_timing;
    State m_state = State::Waiting;
    DWORD m_since = 0;  // when the current state began (GetTickCount)
    HWND m_dialog = nullptr;
    bool m_cancelPosted = false;
    bool m_forced = false;
    RgbImage m_picture;
    InnerPicture m_takeInner;
    std::string m_problem;
    DialogCatcher* m_previous = nullptr;
    UniqueHook m_hook;
    UINT_PTR m_timer = 0;
};

}  // namespace demo
