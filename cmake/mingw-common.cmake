# What both MinGW-w64 toolchains share: compilers, static runtime, the MSVC import library tool
# and Wine as the emulator that runs the Windows tests.
set(CMAKE_C_COMPILER   ${KORVEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KORVEL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static runtime: Korvel.dll and the test programs import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# llvm-dlltool writes the import library that MSVC links against.
find_program(KORVEL_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)

# Wine through the launcher of scripts/wine-bin, which also runs 64-bit programs on a kernel
# without 32-bit support.
find_program(KORVEL_SYSTEM_WINE wine REQUIRED)
get_filename_component(KORVEL_WINE ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-bin/wine ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVEL_WINE})
