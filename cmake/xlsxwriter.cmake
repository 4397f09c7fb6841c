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
# Its dtoa's last rounding step reads past its table of powers of ten for
# numbers of many digits (a read out of bounds that may change the last
# digit): the table is widened to every power a 64-bit integer holds and
# the step guarded, as the Grisu code it comes from was mended upstream.
file(READ ${lxw}/third_party/dtoa/emyg_dtoa.c dtoa)
set(narrow "static const uint32_t kPow10[] = { 1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000 };")
set(wide "static const uint64_t kPow10[] = { 1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL, 10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL, 100000000000ULL, 1000000000000ULL, 10000000000000ULL, 100000000000000ULL, 1000000000000000ULL, 10000000000000000ULL, 100000000000000000ULL, 1000000000000000000ULL, 10000000000000000000ULL };")
set(unguarded "wp_w.f * kPow10[-kappa]);")
set(guarded "wp_w.f * (-kappa < 20 ? kPow10[-kappa] : 0));")
foreach(part narrow unguarded)
  string(FIND "${dtoa}" "${${part}}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "libxlsxwriter's dtoa is not as expected: ${${part}}")
  endif()
endforeach()
string(REPLACE "${narrow}" "${wide}" dtoa "${dtoa}")
string(REPLACE "${unguarded}" "${guarded}" dtoa "${dtoa}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/emyg_dtoa.c.new "${dtoa}")
file(COPY_FILE ${CMAKE_CURRENT_BINARY_DIR}/emyg_dtoa.c.new ${CMAKE_CURRENT_BINARY_DIR}/emyg_dtoa.c
     ONLY_IF_DIFFERENT)
file(GLOB lxw_sources CONFIGURE_DEPENDS ${lxw}/src/*.c)
add_library(kavro_xlsxwriter STATIC
  ${lxw_sources}
  ${lxw}/third_party/minizip/ioapi.c
  ${lxw}/third_party/minizip/zip.c
  ${CMAKE_CURRENT_BINARY_DIR}/emyg_dtoa.c
)
# The C library's tmpfile() and no MD5 (it only tells repeated pictures
# apart, and the program puts none into workbooks): what is compiled in is
# under the licences packaging/copyright names.
target_compile_definitions(kavro_xlsxwriter PRIVATE USE_DTOA_LIBRARY USE_STANDARD_TMPFILE
                                                    USE_NO_MD5 NOCRYPT NOUNCRYPT)
# Its own code, as Debian ships it: its warnings are not ours to fix.
target_compile_options(kavro_xlsxwriter PRIVATE -w)
target_include_directories(kavro_xlsxwriter SYSTEM PUBLIC ${lxw}/include)
target_include_directories(kavro_xlsxwriter PRIVATE ${lxw}/third_party/dtoa)
set_target_properties(kavro_xlsxwriter PROPERTIES POSITION_INDEPENDENT_CODE ON)
if(NOT TARGET ZLIB::ZLIB)
  find_package(ZLIB REQUIRED)
endif()
target_link_libraries(kavro_xlsxwriter PUBLIC ZLIB::ZLIB)
