# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles through ccache when it is installed, so that a fresh clone of the
# same sources (CI's, a second worktree) reuses what an earlier build made:
# the three builds CI makes otherwise take most of its time. Paths below the
# source folder are hashed as relative ones, and the build folder is left out
# of the hash, so a clone in another folder hits the same entries; its debug
# information may then name the folder of the build that filled the cache.
option(KAVRO_CCACHE "Compile through ccache when it is installed" ON)
if(KAVRO_CCACHE)
  find_program(KAVRO_CCACHE_PROGRAM ccache)
  if(KAVRO_CCACHE_PROGRAM)
    set(kavro_launcher env "CCACHE_BASEDIR=${CMAKE_SOURCE_DIR}" CCACHE_NOHASHDIR=1
                       ${KAVRO_CCACHE_PROGRAM})
    set(CMAKE_C_COMPILER_LAUNCHER ${kavro_launcher})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${kavro_launcher})
  endif()
endif()
