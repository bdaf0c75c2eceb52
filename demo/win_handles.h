// The demo host's owning handles: the library's own RAII types, which need nothing but windows.h.
#pragma once
#include "platform/handles.h"

namespace demo {

using platform::SelectGuard;
using platform::Unique;
using platform::UniqueBitmap;
using platform::UniqueFont;
using platform::UniqueHook;
using platform::UniqueKernelHandle;
using platform::UniqueMemoryDc;
using platform::UniqueWindow;
using WindowDc = platform::ClientDC;

}  // namespace demo
