# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# kavro_debian_source(PACKAGE VARIABLE): VARIABLE names the folder that holds
# Debian's source package PACKAGE, unpacked by scripts/fetch-deb-source.sh
# when configuring finds it missing. The same sources serve every build, so
# that the desktop and the browser compile the same library the same way.
function(kavro_debian_source package variable)
  set(${variable} ${PROJECT_BINARY_DIR}/deb-source/${package} CACHE PATH
      "Debian's ${package} source package, unpacked")
  if(NOT EXISTS ${${variable}}/.kavro-unpacked)
    execute_process(
      COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-deb-source.sh ${package} ${${variable}}
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "Debian's ${package} source package could not be fetched")
    endif()
  endif()
endfunction()
