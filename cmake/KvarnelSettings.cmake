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
