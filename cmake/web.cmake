# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser and node build with Debian's emscripten.

# The calculator reports bad input by throwing: catching must work.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# nlohmann-json is header-only: take Debian's headers, but put only their
# own folder on the include path; all of /usr/include would bring glibc's
# headers in before emscripten's libc.
set(KAVRO_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${KAVRO_HOST_HEADERS})
file(CREATE_LINK /usr/include/nlohmann ${KAVRO_HOST_HEADERS}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${KAVRO_HOST_HEADERS})

# Smallest code for the page's first load (-Os measured smaller than -O2 at
# no cost a user can see).
add_link_options($<$<CONFIG:Release>:-Os>)
