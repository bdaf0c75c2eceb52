// Registration of the common-control classes the dialogs are made of.
#pragma once

// Registers the list-view and tree-view classes once per process, before the first dialog: a
// host that never initialised the common controls itself may otherwise get no dialog on Windows.
void RegisterCommonControls() noexcept;
