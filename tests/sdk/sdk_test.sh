#!/usr/bin/env bash
# The SDK as a host developer gets it. Each step is one ctest entry (tests/sdk/CMakeLists.txt):
#   install    installs the build into a fresh folder, as scripts/build makes dist/<arch>/
#   stripped   the DLL there is stripped, its debug information beside it and linked to it
#   c          builds the C sample from that folder alone and runs it, answering OK, then Cancel
#   fortran    the same for the Fortran sample (find_package and korvel.f90)
#   consumer   a find_package project: links Korvel::Korvel, gets Korvel.dll copied beside it;
#              a project of the other architecture does not accept the package
#   ascii      the headers, the Fortran module and the samples there are plain ASCII
# The environment names the build (KORVEL_BUILD), the folder (KORVEL_WORK), the toolchain file,
# the Fortran compiler, objdump, wine, the dialog presser and the expected outputs.
set -euo pipefail
step=$1
sdk="$KORVEL_WORK/sdk"

fail() { echo "FAIL: $*" >&2; exit 1; }

need_sdk() {
    [ -f "$sdk/include/korvel.h" ] || fail "no SDK in $sdk: the install step must run first (ctest fixture sdk_install)"
}

# Configures and builds a project from its source folder into a fresh folder of its own.
build_project() {
    local source=$1 binary=$2
    shift 2
    rm -rf "$binary"
    cmake -S "$source" -B "$binary" -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$KORVEL_TOOLCHAIN" \
          -DCMAKE_BUILD_TYPE=Release "$@" >"$binary.configure.log" 2>&1 \
        || { cat "$binary.configure.log"; fail "configuring $source"; }
    cmake --build "$binary" >"$binary.build.log" 2>&1 || { cat "$binary.build.log"; fail "building $source"; }
}

# Runs the program under Wine with every dialog answered ($1: ok or cancel) and compares what
# it prints with the expected file.
run_and_compare() {
    local answer=$1 program=$2 expected=$3 printed
    printed=$("$KORVEL_WINE" "$KORVEL_PRESSER" "$answer" "$program" 2>"$program.$answer.err" | tr -d '\r') \
        || { echo "$printed"; cat "$program.$answer.err"; fail "$(basename "$program") answered $answer failed"; }
    if ! diff -u "$expected" <(echo "$printed"); then
        fail "$(basename "$program") answered $answer printed other lines than $(basename "$expected")"
    fi
    echo "$(basename "$program"), every dialog answered $answer: as expected"
}

case $step in
install)
    rm -rf "$KORVEL_WORK" && mkdir -p "$KORVEL_WORK"
    cmake --install "$KORVEL_BUILD" --prefix "$sdk" >"$KORVEL_WORK/install.log" || fail "cmake --install"
    for file in bin/Korvel.dll bin/Korvel.dll.debug lib/libKorvel.dll.a lib/Korvel.lib lib/Korvel.def \
                include/korvel.h include/korvel_version.h include/korvel.f90 \
                lib/cmake/Korvel/KorvelConfig.cmake lib/cmake/Korvel/KorvelConfigVersion.cmake \
                LICENSE CHANGELOG.md README.md samples/c/main.c samples/fortran/main.f90; do
        [ -f "$sdk/$file" ] || fail "the SDK lacks $file"
    done
    echo "SDK installed into $sdk"
    ;;
stripped)
    need_sdk
    dll="$sdk/bin/Korvel.dll"
    sections=$("$KORVEL_OBJDUMP" -h "$dll")
    ! grep -q ' \.debug_' <<<"$sections" || fail "Korvel.dll in the SDK still holds debug sections"
    grep -q ' \.gnu_debuglink' <<<"$sections" || fail "Korvel.dll in the SDK has no .gnu_debuglink"
    "$KORVEL_OBJDUMP" -h "$sdk/bin/Korvel.dll.debug" | grep -q ' \.debug_info' \
        || fail "Korvel.dll.debug holds no debug information"
    symbols=$("$KORVEL_OBJDUMP" -t "$dll" | grep -c '^\[' || true)
    [ "$symbols" -eq 0 ] || fail "Korvel.dll in the SDK keeps $symbols symbols"
    built=$(stat -c %s "$KORVEL_BUILD/bin/Korvel.dll")
    shipped=$(stat -c %s "$dll")
    [ $((shipped * 10)) -lt $((built * 7)) ] || fail "stripping left $shipped of $built bytes"
    echo "Korvel.dll: $built bytes built, $shipped bytes in the SDK; debug information in Korvel.dll.debug"
    ;;
c)
    need_sdk
    # Warnings are errors here: the header and the sample must stay clean C89.
    build_project "$sdk/samples/c" "$KORVEL_WORK/c" -DKORVEL_SDK="$sdk" -DCMAKE_C_FLAGS="-Wall -Wextra -pedantic -Werror"
    run_and_compare ok "$KORVEL_WORK/c/korvel_c_sample.exe" "$KORVEL_EXPECTED/c_sample_ok.txt"
    run_and_compare cancel "$KORVEL_WORK/c/korvel_c_sample.exe" "$KORVEL_EXPECTED/c_sample_cancel.txt"
    ;;
fortran)
    need_sdk
    build_project "$sdk/samples/fortran" "$KORVEL_WORK/fortran" -DCMAKE_PREFIX_PATH="$sdk" \
                  -DCMAKE_Fortran_COMPILER="$KORVEL_FORTRAN_COMPILER" -DCMAKE_Fortran_FLAGS="-Wall -Werror"
    run_and_compare ok "$KORVEL_WORK/fortran/korvel_fortran_sample.exe" "$KORVEL_EXPECTED/fortran_sample_ok.txt"
    ;;
consumer)
    need_sdk
    build_project "$KORVEL_CONSUMER" "$KORVEL_WORK/consumer" -DCMAKE_PREFIX_PATH="$sdk" \
                  -DCMAKE_CXX_FLAGS="-Wall -Wextra -pedantic -Werror"
    run_and_compare ok "$KORVEL_WORK/consumer/korvel_consumer.exe" "$KORVEL_EXPECTED/consumer_ok.txt"
    # The package of one architecture must refuse a project of the other.
    other="$KORVEL_WORK/consumer-other-arch"
    rm -rf "$other"
    if cmake -S "$KORVEL_CONSUMER" -B "$other" -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$KORVEL_OTHER_TOOLCHAIN" \
             -DCMAKE_PREFIX_PATH="$sdk" >"$other.log" 2>&1; then
        fail "find_package(Korvel) accepted the SDK for a project of the other architecture"
    fi
    grep -q 'not accepted' "$other.log" || { cat "$other.log"; fail "configuring for the other architecture failed otherwise"; }
    echo "a project of the other architecture is refused"
    ;;
ascii)
    need_sdk
    # MSVC on a code page 936 or 1252 system warns (C4819) about any other byte in a header.
    if LC_ALL=C grep -nP '[^\x00-\x7F]' "$sdk"/include/* "$sdk"/samples/*/*.c "$sdk"/samples/*/*.f90; then
        fail "the lines above hold bytes that are not ASCII"
    fi
    echo "headers, Fortran module and samples are plain ASCII"
    ;;
*)
    fail "unknown step $step"
    ;;
esac
