# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# zlib, pugixml and libzip for the browser and node, compiled from Debian's
# source packages: Debian builds them for the machine only, and emscripten's
# own ports would be downloaded. Their own code, as Debian ships it: its
# warnings are not ours to fix.
enable_language(C)

kavro_debian_source(zlib KAVRO_ZLIB_SOURCE)
set(z ${KAVRO_ZLIB_SOURCE})
add_library(kavro_zlib STATIC
  ${z}/adler32.c ${z}/compress.c ${z}/crc32.c ${z}/deflate.c ${z}/infback.c
  ${z}/inffast.c ${z}/inflate.c ${z}/inftrees.c ${z}/trees.c ${z}/uncompr.c ${z}/zutil.c
)
target_compile_options(kavro_zlib PRIVATE -w)
target_include_directories(kavro_zlib SYSTEM PUBLIC ${z})
# Imported, not an alias: libzip's build exports its target, and an export
# may name an imported target but not one of ours.
add_library(ZLIB::ZLIB INTERFACE IMPORTED GLOBAL)
target_link_libraries(ZLIB::ZLIB INTERFACE kavro_zlib)
# What libzip's find_package(ZLIB) is to find: this one.
set(ZLIB_INCLUDE_DIR ${z} CACHE PATH "zlib's headers" FORCE)
set(ZLIB_LIBRARY kavro_zlib CACHE STRING "zlib" FORCE)

kavro_debian_source(pugixml KAVRO_PUGIXML_SOURCE)
add_library(kavro_pugixml STATIC ${KAVRO_PUGIXML_SOURCE}/src/pugixml.cpp)
target_compile_options(kavro_pugixml PRIVATE -w)
target_include_directories(kavro_pugixml SYSTEM PUBLIC ${KAVRO_PUGIXML_SOURCE}/src)
add_library(pugixml::pugixml ALIAS kavro_pugixml)

# libzip through its own build, which works out its config.h for emscripten;
# reading and writing deflated archives is all the program asks of it.
kavro_debian_source(libzip KAVRO_LIBZIP_SOURCE)
foreach(off ENABLE_COMMONCRYPTO ENABLE_GNUTLS ENABLE_MBEDTLS ENABLE_OPENSSL
            ENABLE_WINDOWS_CRYPTO ENABLE_BZIP2 ENABLE_LZMA ENABLE_ZSTD BUILD_TOOLS
            BUILD_REGRESS BUILD_EXAMPLES BUILD_DOC BUILD_SHARED_LIBS LIBZIP_DO_INSTALL)
  set(${off} OFF CACHE BOOL "" FORCE)
endforeach()
# Its type sizes are measured by running a test program, which emscripten's
# toolchain cannot do (every size comes out 7): they are WebAssembly's own.
foreach(size INT8_T_LIBZIP=1 UINT8_T_LIBZIP=1 INT16_T_LIBZIP=2 UINT16_T_LIBZIP=2
             INT32_T_LIBZIP=4 UINT32_T_LIBZIP=4 INT64_T_LIBZIP=8 UINT64_T_LIBZIP=8
             SHORT_LIBZIP=2 INT_LIBZIP=4 LONG_LIBZIP=4 LONG_LONG_LIBZIP=8
             SIZEOF_OFF_T=8 SIZEOF_SIZE_T=4)
  string(REPLACE "=" ";" size ${size})
  list(GET size 0 name)
  list(GET size 1 bytes)
  set(HAVE_${name} TRUE CACHE INTERNAL "")
  set(${name} ${bytes} CACHE INTERNAL "")
endforeach()
foreach(missing __INT8_LIBZIP __INT16_LIBZIP __INT32_LIBZIP __INT64_LIBZIP)
  set(HAVE_${missing} "" CACHE INTERNAL "")
  set(${missing} "" CACHE INTERNAL "")
endforeach()
add_subdirectory(${KAVRO_LIBZIP_SOURCE} ${PROJECT_BINARY_DIR}/libzip EXCLUDE_FROM_ALL)
target_compile_options(zip PRIVATE -w)
# Its header uses clang's nullability marks, which our warnings would refuse.
get_target_property(libzip_headers zip INTERFACE_INCLUDE_DIRECTORIES)
set_property(TARGET zip APPEND PROPERTY INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${libzip_headers})
