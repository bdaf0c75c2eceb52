# What `cmake --install` writes into dist/<arch>/: the SDK a host developer drops in.
#   bin/      Korvel.dll (stripped), Korvel.dll.debug (its debug information), the demo host
#   lib/      libKorvel.dll.a (MinGW), Korvel.lib (MSVC), Korvel.def, cmake/Korvel/ (the package)
#   include/  korvel.h, korvel_version.h, korvel.f90
#   docs/, samples/, README.md, LICENSE, CHANGELOG.md
# The DLL in the build folder keeps its symbols for debugging; the one installed is stripped.
include(CMakePackageConfigHelpers)

if(CMAKE_OBJCOPY AND NOT MSVC)
  # Stripping drops about half the file (DWARF and the COFF symbols, which no loader reads). The debug information goes into
  # Korvel.dll.debug beside it, which debuggers find through the .gnu_debuglink section.
  install(TARGETS Korvel ARCHIVE DESTINATION lib)
  install(CODE "set(korvel_objcopy \"${CMAKE_OBJCOPY}\")\nset(korvel_built \"$<TARGET_FILE:Korvel>\")")
  install(CODE [[
    set(korvel_bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
    file(MAKE_DIRECTORY "${korvel_bin}")
    message(STATUS "Installing: ${korvel_bin}/Korvel.dll (stripped) and Korvel.dll.debug")
    # Always from the built DLL: a second install must not strip an already stripped file.
    execute_process(COMMAND "${korvel_objcopy}" --only-keep-debug "${korvel_built}" Korvel.dll.debug
                    WORKING_DIRECTORY "${korvel_bin}" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${korvel_objcopy}" --strip-all
                            --add-gnu-debuglink=Korvel.dll.debug "${korvel_built}" Korvel.dll
                    WORKING_DIRECTORY "${korvel_bin}" COMMAND_ERROR_IS_FATAL ANY)
  ]])
else()
  install(TARGETS Korvel RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
endif()
if(KORVEL_DLLTOOL)
  install(FILES $<TARGET_FILE_DIR:Korvel>/Korvel.lib DESTINATION lib)
endif()
install(FILES app/Korvel.def DESTINATION lib)

install(FILES ${PROJECT_SOURCE_DIR}/include/korvel.h ${KORVEL_GENERATED_INCLUDE_DIR}/korvel_version.h
              ${PROJECT_SOURCE_DIR}/include/korvel.f90
        DESTINATION include)

# find_package(Korvel CONFIG): the imported target Korvel::Korvel. The version file accepts the
# same major version and only the architecture the SDK was built for.
set(korvel_package_dir ${CMAKE_CURRENT_BINARY_DIR}/package)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KORVEL_PACKAGE_ARCH "64-bit Windows")
else()
  set(KORVEL_PACKAGE_ARCH "32-bit Windows")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/KorvelConfig.cmake.in ${korvel_package_dir}/KorvelConfig.cmake @ONLY)
write_basic_package_version_file(${korvel_package_dir}/KorvelConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${korvel_package_dir}/KorvelConfig.cmake ${korvel_package_dir}/KorvelConfigVersion.cmake
        DESTINATION lib/cmake/Korvel)

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION docs)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/ DESTINATION samples)
