# SPDX-License-Identifier: GPL-3.0-or-later
# The page: a folder of static files that any web server can serve, made where Debian's
# emscripten is installed (Linux builds only). Its HTML and CSS are generated from the
# windows' description; its numbers are the program's own src/calc, compiled to a small
# WebAssembly module; its faces are the desktop's stand-ins, cut to Latin and Cyrillic.
#   cmake --build build --target page      -> build/page/
find_program(KVARNEL_EMCC emcc)
find_program(KVARNEL_PYFTSUBSET pyftsubset) # Debian's fonttools, with python3-brotli for WOFF2
find_program(KVARNEL_BROTLI brotli)
find_program(KVARNEL_GZIP gzip)
if(NOT (KVARNEL_EMCC AND KVARNEL_PYFTSUBSET AND KVARNEL_BROTLI AND KVARNEL_GZIP))
    message(STATUS "The page left out: it needs emcc, pyftsubset, brotli and gzip (scripts/test installs them)")
    return()
endif()
set(KVARNEL_LIBERATION_FONTS /usr/share/fonts/truetype/liberation CACHE PATH
    "Where the Liberation fonts are (Debian's fonts-liberation)")
set(web ${PROJECT_SOURCE_DIR}/src/web)
set(work ${CMAKE_BINARY_DIR}/page-parts)
set(page ${CMAKE_BINARY_DIR}/page)

# The numbers: to_number, the calculation and to_text, and nothing else. Exceptions are
# WebAssembly's own; no fused multiply-add, as everywhere; a module of its own whose only
# imports are emscripten's exit and memory-growth hooks.
set(core ${work}/core.wasm)
set(calc ${PROJECT_SOURCE_DIR}/src/calc)
set(core_sources ${calc}/calculation.cpp ${calc}/number_text.cpp ${calc}/pipe.cpp ${web}/core.cpp)
add_custom_command(OUTPUT ${core}
    COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
        ${KVARNEL_EMCC} -std=c++20 -Oz -flto -fwasm-exceptions -sMALLOC=emmalloc
        -ffp-contract=off -sSTANDALONE_WASM --no-entry -sALLOW_MEMORY_GROWTH=1
        -sEXPORTED_FUNCTIONS=_kvarnel_input,_kvarnel_calculate,_kvarnel_output
        -I${PROJECT_SOURCE_DIR}/src ${core_sources} -o ${core}
    DEPENDS ${core_sources} ${calc}/calculation.h ${calc}/number_text.h ${calc}/pipe.h
    VERBATIM)

add_executable(generate_page ${web}/generate_page.cpp ${web}/markup.cpp ${web}/markup.h
    ${web}/page_style.cpp ${web}/page_style.h ${web}/table_markup.cpp ${web}/window_markup.cpp
    ${web}/window_markup.h)
target_link_libraries(generate_page PRIVATE kvarnel_reference kvarnel_settings)

# Every glyph is downloaded. The windows' face keeps what a Russian or a western engineer
# types and reads (basic Latin and Latin-1, Cyrillic, the dashes, quotes and signs of
# technical text); the tables' faces only what the tables show. Anything else falls back
# to the browser's own faces.
set(table_texts ${work}/table-texts.txt)
add_custom_command(OUTPUT ${table_texts} COMMAND generate_page --table-texts ${table_texts}
    DEPENDS generate_page VERBATIM)
set(fonts)
foreach(face LiberationSans-Regular LiberationSerif-Regular LiberationSerif-Bold)
    set(font ${work}/${face}.woff2)
    if(face MATCHES Sans)
        set(characters --unicodes=U+0020-007E,U+00A0-00FF,U+0400-045F,U+2010-2026,U+2116,U+2212)
    else()
        set(characters --text-file=${table_texts})
    endif()
    add_custom_command(OUTPUT ${font}
        COMMAND ${KVARNEL_PYFTSUBSET} ${KVARNEL_LIBERATION_FONTS}/${face}.ttf ${characters}
            --no-hinting --desubroutinize --flavor=woff2 --layout-features=kern
            --output-file=${font}
        DEPENDS ${KVARNEL_LIBERATION_FONTS}/${face}.ttf ${table_texts} VERBATIM)
    list(APPEND fonts ${font})
endforeach()
list(GET fonts 0 sans)
list(GET fonts 1 serif)
list(GET fonts 2 serif_bold)

# What the page is made of, each named as the generator asks.
set(KVARNEL_PAGE_INPUTS --style ${web}/page.css --script ${web}/page.js
    --worker ${web}/service-worker.js --module ${core} --icon ${PROJECT_SOURCE_DIR}/data/kvarnel.svg
    --sans ${sans} --serif ${serif} --serif-bold ${serif_bold})
set(stamp ${work}/page.stamp)
add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${page}
    COMMAND generate_page ${page} ${KVARNEL_PAGE_INPUTS}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${page}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${work}/THIRD-PARTY-NOTICES.txt ${page}/
    # For servers that send a compressed file made beforehand (nginx's gzip_static and
    # brotli_static, Caddy's precompressed).
    COMMAND sh -c "cd '${page}' && for f in *; do ${KVARNEL_GZIP} -9 -k -n \"$f\" && ${KVARNEL_BROTLI} -q 11 -k \"$f\"; done"
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS generate_page ${web}/page.js ${web}/page.css ${web}/service-worker.js ${core} ${fonts}
        ${PROJECT_SOURCE_DIR}/data/kvarnel.svg ${work}/THIRD-PARTY-NOTICES.txt
    VERBATIM)
add_custom_target(page ALL DEPENDS ${stamp})

# The notices of what the page carries: the Liberation faces and emscripten's runtime.
file(READ /usr/share/doc/fonts-liberation/copyright liberation)
set(runtime "")
if(EXISTS /usr/share/doc/emscripten/copyright)
    file(READ /usr/share/doc/emscripten/copyright runtime)
endif()
file(WRITE ${work}/THIRD-PARTY-NOTICES.txt
    "==== The Liberation fonts, served with the page ====\n\n${liberation}\n\n"
    "==== Emscripten's runtime (musl libc, libc++, compiler-rt), compiled into the page's module ====\n\n${runtime}")
set(KVARNEL_PAGE ${page})
