# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser and node build with Debian's emscripten.

# The calculator reports bad input by throwing: catching must work. The
# WebAssembly's own exceptions (Chromium 95, Firefox 100, Safari 15.2 and
# later, node 17 and later) work out a 1,000-opening order three times
# faster than emscripten's exceptions through JavaScript, in a smaller module.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# nlohmann-json is header-only: take Debian's headers, but put only their
# own folder on the include path; all of /usr/include would bring glibc's
# headers in before emscripten's libc.
set(KAVRO_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${KAVRO_HOST_HEADERS})
file(CREATE_LINK /usr/include/nlohmann ${KAVRO_HOST_HEADERS}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${KAVRO_HOST_HEADERS})

# Speed before size: -O2 works out an order's openings about four times
# faster than -Os, for 160 KB more of module and a few KB less once gzipped.
add_link_options($<$<CONFIG:Release>:-O2>)

# The papers (.docx, .xlsx) need these; the calculator alone does not.
if(KAVRO_BUILD_DOCX)
  include(${CMAKE_CURRENT_LIST_DIR}/web_libraries.cmake)
endif()
