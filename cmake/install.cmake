# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#   cmake --install build --prefix P    the programs, the desktop entry, the icons, the AppStream
#                                        metainfo, the man pages, the manual, the examples, the
#                                        copyright and the changelog
#   (cd build && cpack -G DEB)           a Debian package of the same files
# Included from the top-level CMakeLists.txt after the programs are defined.

# The desktop's name for the program: the .desktop file, the icon and the metainfo carry it.
set(VREL_APP_ID "org.vrel.Vrel")

include(GNUInstallDirs)
# The documentation goes to share/doc/vrel, the package's name, unless DOCDIR is chosen.
if(CMAKE_INSTALL_DOCDIR STREQUAL "${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME}")
  set(VREL_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/vrel")
else()
  set(VREL_DOC_DIR "${CMAKE_INSTALL_DOCDIR}")
endif()
set(VREL_MANUAL_DIR "${VREL_DOC_DIR}/manual")
set(VREL_EXAMPLES_DIR "${VREL_DOC_DIR}/examples")

# The man pages carry the program's version, the package's changelog its version and maintainer.
# Both are installed compressed by gzip -9n, which stores no name or time: the same sources make
# the same files, and so the same package.
set(VREL_MAINTAINER "Vrel developers <developers@vrel.org>"
    CACHE STRING "The Maintainer of the Debian package and of its changelog")
foreach(page vrel.1 vrel-batch.1)
  configure_file(resources/man/${page} man/${page} @ONLY)
endforeach()
configure_file(resources/debian/changelog.in doc/changelog @ONLY)
find_program(VREL_GZIP gzip REQUIRED)
set(VREL_COMPRESSED_DOCS "")
foreach(file man/vrel.1 man/vrel-batch.1 doc/changelog)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${VREL_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/${file}
                     DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file} VERBATIM)
  list(APPEND VREL_COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(vrel_compressed_docs ALL DEPENDS ${VREL_COMPRESSED_DOCS})

install(TARGETS vrel-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# vrel-batch's image writer, loaded on the first image export, goes where the program looks for
# it: lib/vrel beside the folder of the programs.
if(TARGET vrel-batch-images)
  install(TARGETS vrel-batch-images LIBRARY DESTINATION lib/vrel)
endif()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/vrel-batch.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The licence and the changelog, where Debian keeps them, in the package and the installed tree.
# The package is made from the program's own tree, with no Debian revision in its version: a
# native package, whose changelog Debian names changelog.gz (changelog.Debian.gz is the name for
# a package of someone else's program).
install(FILES resources/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${VREL_DOC_DIR})

# The manual: the pages of the Help window, their style sheet and the pictures they show.
file(GLOB VREL_MANUAL_PAGES CONFIGURE_DEPENDS resources/help/*.html resources/help/*.css)
install(FILES ${VREL_MANUAL_PAGES} DESTINATION ${VREL_MANUAL_DIR})
install(DIRECTORY examples/gorilla/figures/ DESTINATION ${VREL_MANUAL_DIR}/figures
        FILES_MATCHING PATTERN "*.png")
# The examples; the figures' SVG files are made again by figures.vrel and not kept.
install(DIRECTORY examples/ DESTINATION ${VREL_EXAMPLES_DIR}
        PATTERN ".gitignore" EXCLUDE PATTERN "*.svg" EXCLUDE)

if(TARGET vrel)
  install(TARGETS vrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/vrel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES resources/${VREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/icons/vrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${VREL_APP_ID}.svg)
  # The PNGs are vrel.svg drawn by Qt's SVG renderer at each size; draw them again when it changes.
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES resources/icons/vrel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VREL_APP_ID}.png)
  endforeach()
  configure_file(resources/${VREL_APP_ID}.metainfo.xml.in ${VREL_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VREL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The Debian package, which lintian accepts (Install.Lintian... below).
set(CPACK_PACKAGE_NAME "vrel")
set(CPACK_PACKAGE_VENDOR "Vrel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${VREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "landmark-based shape analysis (geometric morphometrics)")
# (Lines of at most 79 characters with the blank the control file puts before each.)
set(CPACK_PACKAGE_DESCRIPTION
    "Vrel studies how the shapes of a set of specimens vary, from the coordinates
of the same landmarks measured on every specimen, in two or three dimensions.
It reads its own landmark files and the TPS and NTS formats, superimposes the
specimens by Procrustes fitting, computes the principal components of shape,
regresses shape on size or on a factor, discriminates two groups and tests
these analyses. Results are written as text or CSV files.
.
The package holds the desktop program vrel and vrel-batch, which runs the
same commands from a script without a screen.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "vrel")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Depends: the packages of the libraries the programs link, set by deb_depends.cmake from the
# installed files.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_depends.cmake)
include(CPack)

# The installed tree and the package, checked against the reviewed file list.
if(VREL_BUILD_TESTS AND TARGET vrel)
  set(VREL_INSTALL_CHECK
      ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
      -DEXPECTED=${PROJECT_SOURCE_DIR}/tests/install/installed_files.txt
      -DWORK_DIR=${CMAKE_BINARY_DIR}/install-check -DCPACK=${CMAKE_CPACK_COMMAND})
  add_test(NAME Install.InstalledTreeMatchesTheListAndValidates
           COMMAND ${VREL_INSTALL_CHECK} -DMODE=tree -P ${PROJECT_SOURCE_DIR}/tests/install/check_install.cmake)
  add_test(NAME Install.DebianPackageHoldsTheListAndItsDependencies
           COMMAND ${VREL_INSTALL_CHECK} -DMODE=package -P ${PROJECT_SOURCE_DIR}/tests/install/check_install.cmake)
  add_test(NAME Install.LintianFindsNoErrorOrWarningInThePackage
           COMMAND ${VREL_INSTALL_CHECK} -DMODE=lintian -P ${PROJECT_SOURCE_DIR}/tests/install/check_install.cmake)
  set_tests_properties(Install.LintianFindsNoErrorOrWarningInThePackage
                       PROPERTIES SKIP_REGULAR_EXPRESSION "lintian is not installed")
endif()
