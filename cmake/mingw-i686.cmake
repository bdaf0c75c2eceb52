# Cross-compiles the 32-bit SDK with MinGW-w64 (posix threads: GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KORVEL_MINGW_TRIPLE i686-w64-mingw32)
set(KORVEL_DLLTOOL_MACHINE i386)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
