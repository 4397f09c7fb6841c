# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# libxlsxwriter, compiled from Debian's source package for the desktop and
# the browser alike. Debian's binary prints numbers with "%.16G", so 8.8
# goes into the workbook as 8.800000000000001; its own dtoa writer gives
# the shortest text that reads back as the same double. Its zip writer
# (minizip) comes from the same source; zlib is the machine's, or for the
# browser the one the build compiles.
enable_language(C)
kavro_debian_source(libxlsxwriter KAVRO_XLSXWRITER_SOURCE)
set(lxw ${KAVRO_XLSXWRITER_SOURCE})
file(GLOB lxw_sources CONFIGURE_DEPENDS ${lxw}/src/*.c)
add_library(kavro_xlsxwriter STATIC
  ${lxw_sources}
  ${lxw}/third_party/minizip/ioapi.c
  ${lxw}/third_party/minizip/zip.c
  ${lxw}/third_party/dtoa/emyg_dtoa.c
)
# The C library's tmpfile() and no MD5 (it only tells repeated pictures
# apart, and the program puts none into workbooks): what is compiled in is
# under the licences packaging/copyright names.
target_compile_definitions(kavro_xlsxwriter PRIVATE USE_DTOA_LIBRARY USE_STANDARD_TMPFILE
                                                    USE_NO_MD5 NOCRYPT NOUNCRYPT)
# Its own code, as Debian ships it: its warnings are not ours to fix.
target_compile_options(kavro_xlsxwriter PRIVATE -w)
target_include_directories(kavro_xlsxwriter SYSTEM PUBLIC ${lxw}/include)
set_target_properties(kavro_xlsxwriter PROPERTIES POSITION_INDEPENDENT_CODE ON)
if(NOT TARGET ZLIB::ZLIB)
  find_package(ZLIB REQUIRED)
endif()
target_link_libraries(kavro_xlsxwriter PUBLIC ZLIB::ZLIB)
