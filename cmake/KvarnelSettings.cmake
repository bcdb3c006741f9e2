# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler settings every target of the program shares.
add_library(kvarnel_settings INTERFACE)
if(MSVC)
    target_compile_options(kvarnel_settings INTERFACE /W4 /utf-8 /fp:precise)
    if(KVARNEL_WERROR)
        target_compile_options(kvarnel_settings INTERFACE /WX)
    endif()
else()
    # Results must be exact to the last digit: no fused multiply-add behind our back.
    target_compile_options(kvarnel_settings INTERFACE -Wall -Wextra -Wpedantic -ffp-contract=off)
    if(KVARNEL_WERROR)
        target_compile_options(kvarnel_settings INTERFACE -Werror)
    endif()
    if(MINGW)
        # One self-contained .exe: the C++ runtime and the threads library linked in, so
        # it imports nothing but Windows' own DLLs; stripped in a release build.
        target_link_options(kvarnel_settings INTERFACE -static $<$<CONFIG:Release>:-s>)
    endif()
    if(KVARNEL_SANITIZE OR KVARNEL_FUZZ)
        target_compile_options(kvarnel_settings INTERFACE
            -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
        target_link_options(kvarnel_settings INTERFACE -fsanitize=address,undefined)
    endif()
endif()

if(KVARNEL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KVARNEL_FUZZ needs Clang: configure a build directory of its own "
                            "with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage feedback for libFuzzer in everything built; the sanitizer runtimes provide
    # the hooks to programs that are not fuzz targets.
    target_compile_options(kvarnel_settings INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Debian's hardening, as dpkg-buildflags gives it (stack protector, _FORTIFY_SOURCE, RELRO
# and bind-now), in every optimised Linux build, the one the package is made from among
# them. Optimisation and debug information stay the build type's.
find_program(KVARNEL_DPKG_BUILDFLAGS dpkg-buildflags)
if(KVARNEL_DPKG_BUILDFLAGS AND CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT CMAKE_CROSSCOMPILING
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT KVARNEL_SANITIZE AND NOT KVARNEL_FUZZ)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${KVARNEL_DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-O[0-9s]?$|^-g$|^-ffile-prefix-map=")
        if(kind STREQUAL "LDFLAGS")
            target_link_options(kvarnel_settings INTERFACE ${flags})
        else()
            target_compile_options(kvarnel_settings INTERFACE ${flags})
        endif()
    endforeach()
endif()
