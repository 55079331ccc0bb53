# Debian package (cpack -G DEB). Its dependencies on the Qt runtime are computed by
# dpkg-shlibdeps from the installed binary.
set(CPACK_PACKAGE_NAME zelk-dci)
set(CPACK_PACKAGE_VENDOR "ZELK_DCI developers")
set(CPACK_PACKAGE_CONTACT "ZELK_DCI developers <zelk-dci@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for the Italian castle awards (DCI)")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-user desktop logbook, in French, for radio amateurs who chase the Italian castle\n\
awards. It keeps a plain-text log of the QSOs with castles and derives from it the state of\n\
the DCI, DCLO, DCPC, IDCA and WAIS awards, with lists and maps of Italy.")
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
include(CPack)
