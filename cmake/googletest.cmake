# GoogleTest for the tests, built from source with the project's own compiler and runtime: from
# the sources KORVEL_GTEST_DIR names when they are there (Debian's googletest package puts them in
# /usr/src/googletest), else from a pinned release fetched when the build is configured.
set(KORVEL_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources; fetched when absent")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# The tests take the static runtime like the DLL (CMAKE_MSVC_RUNTIME_LIBRARY); so must GoogleTest.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)

if(EXISTS ${KORVEL_GTEST_DIR}/CMakeLists.txt)
  add_subdirectory(${KORVEL_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  include(FetchContent)
  FetchContent_Declare(googletest
    GIT_REPOSITORY https://github.com/google/googletest.git
    GIT_TAG release-1.12.1
    GIT_SHALLOW TRUE)
  # Populated by hand rather than made available, so that it stays out of the default build.
  FetchContent_GetProperties(googletest)
  if(NOT googletest_POPULATED)
    FetchContent_Populate(googletest)
    add_subdirectory(${googletest_SOURCE_DIR} ${googletest_BINARY_DIR} EXCLUDE_FROM_ALL)
  endif()
endif()
