# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Manual pages made at build time by help2man from what each program
# answers to --help and --version, so that a page cannot say other than
# the program it describes.
include_guard(GLOBAL)
include(GNUInstallDirs)
find_program(HELP2MAN help2man)
if(NOT HELP2MAN)
  message(FATAL_ERROR "help2man makes the manual pages: run scripts/install-deps.sh")
endif()
find_program(GZIP gzip REQUIRED)

# kavro_install_man_page(TARGET SUMMARY [COMPONENT]): builds TARGET's page
# in section 1, NAME line "TARGET - SUMMARY", and installs it gzipped as
# Debian wants it (-n: no name or time stamp in the archive, so the same
# page gives the same bytes), in COMPONENT's package when one is named.
# The programs may answer in Russian: help2man reads them as UTF-8.
function(kavro_install_man_page target summary)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${target}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
            ${HELP2MAN} --locale=C.UTF-8 --no-info --section=1 --name=${summary} --output=${page}
            $<TARGET_FILE:${target}>
    COMMAND ${GZIP} -9nf ${page}
    DEPENDS ${target}
    COMMENT "Writing the manual page of ${target}"
    VERBATIM)
  add_custom_target(${target}_man_page ALL DEPENDS ${page}.gz)
  set(component ${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME})
  if(ARGC GREATER 2)
    set(component ${ARGV2})
  endif()
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
