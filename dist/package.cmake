# Debian package (cpack -G DEB), built from a tree configured with ZELK_DEBIAN_PACKAGE. Its
# dependencies on the libraries are computed by dpkg-shlibdeps from the installed binary; Qt's
# French texts are loaded at run time, so they are named here.
set(CPACK_PACKAGE_NAME zelk-dci)
set(CPACK_PACKAGE_VENDOR "ZELK_DCI developers")
set(CPACK_PACKAGE_CONTACT "${ZELK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for the Italian castle awards (DCI)")
# Lines of at most 80 columns once the package tools indent them.
set(CPACK_PACKAGE_DESCRIPTION
    "A single-user desktop logbook, in French, for radio amateurs who chase the\n\
Italian castle awards. It keeps a plain-text log of the QSOs with castles and\n\
derives from it the state of the DCI, DCLO, DCPC, IDCA and WAIS awards, with\n\
lists and maps of Italy.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in French.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# cpack itself refuses a tree not configured for the package, or a machine without dpkg-shlibdeps.
set(CPACK_ZELK_DEBIAN_PACKAGE ${ZELK_DEBIAN_PACKAGE})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-check.cmake)
include(CPack)
