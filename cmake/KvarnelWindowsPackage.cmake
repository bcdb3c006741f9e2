# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: kvarnel.exe alone is the program; beside it only its licence and the notices
# of what is linked into it. The installer (kvarnel-1.0.0-win64.exe) puts «Кварнель» in
# the Start menu and registers an uninstaller; the ZIP is the portable copy.
install(TARGETS kvarnel RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
if(KVARNEL_THIRD_PARTY_NOTICES)
    install(FILES ${KVARNEL_THIRD_PARTY_NOTICES} DESTINATION . RENAME THIRD-PARTY-NOTICES.txt)
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}) # the uninstaller shows 1.0.0.0
set(CPACK_PACKAGE_FILE_NAME kvarnel-${KVARNEL_RELEASE}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kvarnel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kvarnel)
set(CPACK_PACKAGE_EXECUTABLES kvarnel "Кварнель")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_NSIS_PACKAGE_NAME "Кварнель")
set(CPACK_NSIS_DISPLAY_NAME "Кварнель")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME kvarnel.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/kvarnel.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/kvarnel.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for a 64-bit program, and a Unicode one: the captions are Cyrillic.
set(CPACK_NSIS_DEFINES "  Target amd64-unicode")
# CPack's uninstaller removes the program's key under the vendor's but leaves the vendor's
# own, then empty: remove both, so nothing the installer added stays behind.
string(CONFIGURE [[
  DeleteRegKey SHCTX "Software\@CPACK_PACKAGE_VENDOR@\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"
  DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@"]]
    CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS @ONLY)
