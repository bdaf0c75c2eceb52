// One call of the member design export, and a scripted run of its dialog.
#include "member_design_host.h"

#include <gtest/gtest.h>

#include "korvel_library.h"

void MemberDesignHost::Call() {
    auto call = KORVEL_EXPORT(MEMB_DESIGN_INOF_SHOWDLG);
    call(&result, unused, nullBeams ? nullptr : beams.data());
}

DialogRun RunMemberDesign(MemberDesignHost& host, const std::function<void(DialogDriver&)>& script, int closeWith) {
    return RunDialog([&] { host.Call(); },
                     [&](DialogDriver& d) {
                         script(d);
                         d.ClickItem(closeWith);
                         EXPECT_TRUE(d.WaitClosed());
                     });
}
