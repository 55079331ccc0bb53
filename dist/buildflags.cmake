# The compile and link flags Debian builds its packages with, hardening included (stack
# protector, fortified functions, read-only relocations bound at start).
# The package's dependencies are computed by dpkg-shlibdeps: without it CPack would write an empty
# Depends and the package would install without the Qt libraries it needs.
find_program(ZELK_DPKG_BUILDFLAGS dpkg-buildflags)
find_program(ZELK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT ZELK_DPKG_BUILDFLAGS OR NOT ZELK_DPKG_SHLIBDEPS)
  message(FATAL_ERROR "dpkg-buildflags or dpkg-shlibdeps is missing: the package cannot be built "
                      "with its dependencies. Install the Debian package dpkg-dev "
                      "(scripts/setup.sh dpkg-dev).")
endif()
set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${ZELK_DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE ZELK_DEB_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Appended once per configure, not to the cached values, so reconfiguring does not repeat them.
string(APPEND CMAKE_CXX_FLAGS " ${ZELK_DEB_CPPFLAGS} ${ZELK_DEB_CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${ZELK_DEB_LDFLAGS}")
