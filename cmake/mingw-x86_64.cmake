# Cross-compiles the 64-bit SDK with MinGW-w64 (posix threads: GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KORVEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(KORVEL_DLLTOOL_MACHINE i386:x86-64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
