# SPDX-License-Identifier: GPL-3.0-or-later
# The browser: a folder of static files that any web server can serve, installed where
# CMAKE_INSTALL_PREFIX says (scripts/web puts it in build-web/): the page, Qt's loader, the
# program's .js and .wasm, its licence, and the notices of what it carries.
install(FILES ${PROJECT_SOURCE_DIR}/src/app/web/index.html
    ${PROJECT_SOURCE_DIR}/src/app/web/kvarnel.webmanifest
    ${PROJECT_SOURCE_DIR}/src/app/web/service-worker.js ${PROJECT_SOURCE_DIR}/data/kvarnel.svg
    $<TARGET_FILE_DIR:kvarnel>/qtloader.js
    $<TARGET_FILE_DIR:kvarnel>/kvarnel.js $<TARGET_FILE_DIR:kvarnel>/kvarnel.wasm
    DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# Qt's notices (scripts/qt-for writes them beside Qt), then the Liberation faces'.
set(notices ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
file(WRITE ${notices} "")
if(KVARNEL_THIRD_PARTY_NOTICES)
    file(READ ${KVARNEL_THIRD_PARTY_NOTICES} text)
    file(APPEND ${notices} "${text}")
endif()
file(READ /usr/share/doc/fonts-liberation/copyright text) # Debian's fonts-liberation
file(APPEND ${notices} "\n\n==== The Liberation fonts, carried inside kvarnel.wasm ====\n\n${text}")
install(FILES ${notices} DESTINATION .)
