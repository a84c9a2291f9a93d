# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what installation delivers. Run as
#   cmake -DMODE=tree|package|lintian -DBUILD_DIR=<build> -DEXPECTED=<installed_files.txt>
#         -DWORK_DIR=<scratch> -DCPACK=<cpack> -P check_install.cmake
# MODE=tree installs into a scratch prefix and compares its files with the reviewed list, runs
# the installed vrel-batch on the installed example, and validates the desktop entry, the
# AppStream metainfo and the man pages. MODE=package makes the Debian package with cpack and
# compares its files and control fields. MODE=lintian makes the package and fails on any error
# or warning of lintian (when lintian is installed).

set(failures "")
macro(fail text)
  list(APPEND failures "${text}")
endmacro()

function(run_checked out_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}${err}")
  endif()
  set(${out_var} "${out}${err}" PARENT_SCOPE)
endfunction()

function(find_tool var name package)
  find_program(${var} ${name})
  if(NOT ${var})
    message(FATAL_ERROR "${name} is missing: tools/install-deps.sh installs it (${package})")
  endif()
endfunction()

# The reviewed list: one path per line, relative to the prefix; '#' starts a comment.
file(STRINGS "${EXPECTED}" lines)
set(expected "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "#.*" "" line "${line}")
  string(STRIP "${line}" line)
  if(line)
    list(APPEND expected "${line}")
  endif()
endforeach()
list(SORT expected)

# Makes the Debian package in a folder of its own and returns its path.
function(make_package deb_var outdir)
  file(REMOVE_RECURSE "${outdir}")
  run_checked(ignored ${CMAKE_COMMAND} -E chdir "${BUILD_DIR}" "${CPACK}" -G DEB -B "${outdir}")
  file(GLOB debs "${outdir}/*.deb")
  list(LENGTH debs count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one .deb in ${outdir}, found: ${debs}")
  endif()
  set(${deb_var} "${debs}" PARENT_SCOPE)
endfunction()

function(compare_lists what actual)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${actual})
  set(extra ${actual})
  list(REMOVE_ITEM extra ${expected})
  set(report "")
  foreach(path IN LISTS missing)
    string(APPEND report "\n  missing: ${path}")
  endforeach()
  foreach(path IN LISTS extra)
    string(APPEND report "\n  not in the list: ${path}")
  endforeach()
  if(report)
    set(failures ${failures} "${what} differs from ${EXPECTED}:${report}" PARENT_SCOPE)
  endif()
endfunction()

if(MODE STREQUAL "tree")
  set(prefix "${WORK_DIR}/tree")
  file(REMOVE_RECURSE "${prefix}")
  run_checked(ignored ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
  file(GLOB_RECURSE installed RELATIVE "${prefix}" LIST_DIRECTORIES false "${prefix}/*")
  list(SORT installed)
  compare_lists("The installed tree" "${installed}")

  # The installed program runs the installed example and logs what the example says it logs.
  set(docdir "${prefix}/share/doc/vrel")
  execute_process(COMMAND "${prefix}/bin/vrel-batch" examples/gorilla/analysis.vrel
                  WORKING_DIRECTORY "${docdir}" RESULT_VARIABLE rc OUTPUT_VARIABLE log
                  ERROR_VARIABLE err)
  file(READ "${docdir}/examples/gorilla/expected-log.txt" expected_log)
  if(NOT rc EQUAL 0 OR NOT log STREQUAL expected_log)
    fail("The installed vrel-batch does not log the example's expected log (status ${rc}): ${err}")
  endif()

  # The installed program finds its installed image writer: it exports a picture as PNG.
  if(EXISTS "${prefix}/lib/vrel")
    file(WRITE "${WORK_DIR}/export.vrel"
         "open-data examples/gorilla/gorilla.dat\nexport specimens ${WORK_DIR}/specimens.png\n")
    file(REMOVE "${WORK_DIR}/specimens.png")
    execute_process(COMMAND "${prefix}/bin/vrel-batch" "${WORK_DIR}/export.vrel"
                    WORKING_DIRECTORY "${docdir}" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK_DIR}/specimens.png")
      fail("The installed vrel-batch exports no image (status ${rc}): ${err}")
    endif()
  endif()

  # The desktop entry starts an installed program and shows an installed icon.
  file(GLOB desktop_files "${prefix}/share/applications/*.desktop")
  list(LENGTH desktop_files count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "Expected one installed .desktop file, found: ${desktop_files}")
  endif()
  get_filename_component(desktop_id "${desktop_files}" NAME)
  file(STRINGS "${desktop_files}" exec_line REGEX "^Exec=")
  file(STRINGS "${desktop_files}" icon_line REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec_line}")
  string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
  if(NOT exec OR NOT EXISTS "${prefix}/bin/${exec}")
    fail("Exec=${exec} is not an installed program in bin/")
  endif()
  foreach(size scalable/apps/${icon}.svg 48x48/apps/${icon}.png 256x256/apps/${icon}.png)
    if(NOT icon OR NOT EXISTS "${prefix}/share/icons/hicolor/${size}")
      fail("Icon=${icon} has no installed share/icons/hicolor/${size}")
    endif()
  endforeach()

  # Every PNG of the icon theme has the size of its folder (width and height in its header).
  file(GLOB pngs "${prefix}/share/icons/hicolor/*/apps/*.png")
  foreach(png IN LISTS pngs)
    string(REGEX MATCH "/([0-9]+)x([0-9]+)/apps/" ignored "${png}")
    file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL CMAKE_MATCH_1 OR NOT height EQUAL CMAKE_MATCH_2)
      fail("${png} is ${width}x${height}")
    endif()
  endforeach()

  # The metainfo launches the installed desktop entry.
  file(GLOB metainfo "${prefix}/share/metainfo/*.metainfo.xml")
  file(READ "${metainfo}" xml)
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${desktop_id}</launchable>")
    fail("${metainfo} does not launch ${desktop_id}")
  endif()

  find_tool(desktop_file_validate desktop-file-validate desktop-file-utils)
  execute_process(COMMAND "${desktop_file_validate}" "${desktop_files}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR out OR err)
    fail("desktop-file-validate ${desktop_id} (${rc}): ${out}${err}")
  endif()
  find_tool(appstreamcli appstreamcli appstream)
  execute_process(COMMAND "${appstreamcli}" validate --no-net "${metainfo}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate ${metainfo} (${rc}): ${out}${err}")
  endif()

  # The man pages, installed compressed, render without a warning.
  find_tool(man man man-db)
  foreach(page vrel.1.gz vrel-batch.1.gz)
    # (man's sandbox of its helpers is not needed for a page of our own, and fails in some
    # containers.)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env MAN_DISABLE_SECCOMP=1 MANWIDTH=80
                            "${man}" --warnings -l "${prefix}/share/man/man1/${page}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR err OR NOT out MATCHES "SYNOPSIS" OR out MATCHES "@")
      fail("man -l ${page} (${rc}): ${err}")
    endif()
  endforeach()

elseif(MODE STREQUAL "package")
  find_tool(dpkg_deb dpkg-deb dpkg)
  find_tool(dpkg_shlibdeps dpkg-shlibdeps dpkg-dev)
  make_package(debs "${WORK_DIR}/package")

  # The package holds the installed tree under /usr, nothing else.
  run_checked(listing "${dpkg_deb}" -c "${debs}")
  string(REPLACE "\n" ";" listing "${listing}")
  set(packaged "")
  foreach(line IN LISTS listing)
    if(line MATCHES "^-.* \\./usr/(.+)$")
      list(APPEND packaged "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(SORT packaged)
  compare_lists("The package's file list" "${packaged}")

  # Control fields; Depends comes from the libraries the programs link.
  foreach(field Package Version Section Maintainer Description Depends)
    execute_process(COMMAND "${dpkg_deb}" -f "${debs}" ${field} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(field_${field} "${value}")
  endforeach()
  if(NOT field_Package STREQUAL "vrel" OR NOT field_Section STREQUAL "science"
     OR NOT field_Version MATCHES "^[0-9]+\\.[0-9]+" OR NOT field_Maintainer MATCHES "<.+@.+>"
     OR NOT field_Description)
    fail("Unexpected control fields: Package=${field_Package} Version=${field_Version} "
         "Section=${field_Section} Maintainer=${field_Maintainer}")
  endif()
  foreach(library libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6)
    if(NOT field_Depends MATCHES "(^|, )${library}( |,|$)")
      fail("Depends lacks ${library}: ${field_Depends}")
    endif()
  endforeach()

elseif(MODE STREQUAL "lintian")
  find_program(lintian lintian)
  if(NOT lintian)
    message("lintian is not installed: the package is not checked")
    return()
  endif()
  find_tool(dpkg_shlibdeps dpkg-shlibdeps dpkg-dev)
  make_package(deb "${WORK_DIR}/lintian")
  execute_process(COMMAND "${lintian}" --fail-on error,warning "${deb}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
    fail("lintian ${deb} (${rc}):\n${out}${err}")
  endif()
else()
  message(FATAL_ERROR "MODE must be tree, package or lintian, not '${MODE}'")
endif()

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
