# Read by cpack before it builds the package.
if(NOT CPACK_ZELK_DEBIAN_PACKAGE)
  message(FATAL_ERROR "This build tree is not configured for the package: configure it with "
                      "-DZELK_DEBIAN_PACKAGE=ON (see scripts/package-check.sh).")
endif()
find_program(ZELK_CPACK_SHLIBDEPS dpkg-shlibdeps)
if(NOT ZELK_CPACK_SHLIBDEPS)
  message(FATAL_ERROR "dpkg-shlibdeps is missing: the package would have no dependencies. "
                      "Install the Debian package dpkg-dev (scripts/setup.sh dpkg-dev).")
endif()
