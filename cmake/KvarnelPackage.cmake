# SPDX-License-Identifier: GPL-3.0-or-later
# Installation, and the packages: a Debian package, for Windows an installer and a
# portable ZIP.
include(GNUInstallDirs)
set(CPACK_PACKAGE_NAME kvarnel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mass per metre of round pipe, with a density reference")
set(CPACK_PACKAGE_VENDOR "Kvarnel developers")
set(CPACK_PACKAGE_CONTACT "Kvarnel developers <dev@kvarnel.invalid>")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_VERBATIM_VARIABLES ON) # values reach the package tools exactly as written here
# The packages are named by the release, 1.0.0; the program's file version is 1.0.0.0.
set(KVARNEL_RELEASE ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})

if(WIN32)
    include(cmake/KvarnelWindowsPackage.cmake)
    include(CPack)
    return()
endif()

install(TARGETS kvarnel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/${KVARNEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${KVARNEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/kvarnel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The program has no homepage, which AppStream 1.0 warns of and lintian then reports as a
# failed validation (data/lintian-overrides says more). Only a lintian that makes that
# check knows the tag, and any other rejects the override: it goes into packages built
# where lintian has the check, as packages are built on the release they are for.
if(EXISTS /usr/share/lintian/tags/a/appstream-metadata-validation-failed.tag)
    install(FILES ${PROJECT_SOURCE_DIR}/data/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kvarnel)
endif()
# The changelog and the manual page go compressed, as Debian keeps them.
function(kvarnel_install_compressed name destination)
    set(compressed ${CMAKE_BINARY_DIR}/documents/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/documents
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/${name} > ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/data/${name})
    add_custom_target(kvarnel_${name}_gz ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()
kvarnel_install_compressed(changelog ${CMAKE_INSTALL_DOCDIR})
kvarnel_install_compressed(kvarnel.1 ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_VERSION ${KVARNEL_RELEASE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# The libraries the program links come from dpkg-shlibdeps. What it loads without linking
# cannot be read off the binary: Qt's platform plugins, and the fonts its windows are
# measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_PACKAGE_DESCRIPTION [[
Type the outer diameter and the wall thickness of a round pipe (mm) and the
density of its material (kg/m3); Kvarnel shows the cross-section area (mm2)
and the mass per metre (kg/m). A reference of grades and densities of steels,
cast iron, brass, copper, aluminium alloys, titanium and vinyl plastics
stands beside the calculator.]])
include(CPack)
