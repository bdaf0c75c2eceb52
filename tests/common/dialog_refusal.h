// A system that cannot make a dialog window, for the thread that makes a DialogRefusal: once
// armed, the next dialog window (class #32770) created on that thread is vetoed by a CBT hook, so
// the dialog call that creates it fails as when the system is out of resources. One refusal at a
// time: the hook's procedure has no object of its own.
#pragma once
#include <windows.h>

class DialogRefusal {
public:
    DialogRefusal();  // hooks the calling thread
    ~DialogRefusal();
    DialogRefusal(const DialogRefusal&) = delete;
    DialogRefusal& operator=(const DialogRefusal&) = delete;

    // Refuses the next dialog window made on the hooked thread; may be called from any thread.
    void RefuseNext() noexcept;
    // True once a dialog has been refused since the last RefuseNext().
    bool Used() const noexcept;

private:
    HHOOK m_hook;
};
