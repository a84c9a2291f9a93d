# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once it has installed the package's files, before it makes the package
# (CPACK_PRE_BUILD_SCRIPTS): the Debian package depends on the packages of the shared libraries
# that its programs and vrel-batch's image writer link, as dpkg-shlibdeps finds them.
# CPack's own CPACK_DEBIAN_PACKAGE_SHLIBDEPS would find the same, but it also adds maintainer
# scripts that run ldconfig whenever a library lies under usr/lib: the image writer is a private
# module in usr/lib/vrel that the dynamic linker never looks up, so the package needs none.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
file(GLOB binaries RELATIVE "${staged}" "${staged}/usr/bin/*" "${staged}/usr/lib/vrel/*.so")
find_program(dpkg_shlibdeps dpkg-shlibdeps)
if(NOT dpkg_shlibdeps OR NOT binaries)
  message(FATAL_ERROR "No Depends for the package: dpkg-shlibdeps (${dpkg_shlibdeps}), "
                      "binaries in ${staged}: ${binaries}")
endif()
# dpkg-shlibdeps reads the package's name from a debian/control, which may be empty.
file(WRITE "${staged}/debian/control" "")
execute_process(COMMAND "${dpkg_shlibdeps}" -O ${binaries} WORKING_DIRECTORY "${staged}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE_RECURSE "${staged}/debian")
if(NOT rc EQUAL 0 OR NOT out MATCHES "(^|\n)shlibs:Depends=([^\n]+)")
  message(FATAL_ERROR "dpkg-shlibdeps -O ${binaries} failed (${rc}):\n${out}${err}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_2}")
