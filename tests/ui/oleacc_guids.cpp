// The GUIDs of oleacc.h, defined once for the test program (the platform's documented way: no
// import library has to carry them).
#include <initguid.h>

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>
