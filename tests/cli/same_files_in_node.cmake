# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs kavro-order natively and compiled for node with the same arguments and
# a fixed SOURCE_DATE_EPOCH, and compares what they write: the bytes of a
# text file, the parts inside a zip (.docx, .xlsx), whose entries carry the
# time they were packed. -DPROGRAM -DNODE -DNODE_PROGRAM -DSOURCE_DIR
# -DWORK -DARGS ("|" between arguments, @OUT@ for the file written) -DSUFFIX
set(ENV{SOURCE_DATE_EPOCH} 1765152000)
# Neither finds the tester's own firm details or price list.
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{HOME} ${WORK}/home)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/config ${WORK}/home)

string(REPLACE "|" ";" args "${ARGS}")
foreach(side native node)
  string(REPLACE "@OUT@" "${WORK}/${side}${SUFFIX}" side_args "${args}")
  if(side STREQUAL native)
    set(command ${PROGRAM} ${side_args})
  else()
    set(command ${NODE} ${NODE_PROGRAM} ${side_args})
  endif()
  execute_process(COMMAND ${command} WORKING_DIRECTORY ${SOURCE_DIR}
                  RESULT_VARIABLE status_${side} OUTPUT_VARIABLE out_${side}
                  ERROR_VARIABLE err_${side})
endforeach()
foreach(stream status out err)
  if(NOT "${${stream}_native}" STREQUAL "${${stream}_node}")
    message(FATAL_ERROR "${stream} differs:\nnative: ${${stream}_native}\nnode: ${${stream}_node}")
  endif()
endforeach()

# A refusal writes nothing on either side.
if(NOT EXISTS ${WORK}/native${SUFFIX} AND NOT EXISTS ${WORK}/node${SUFFIX})
  return()
endif()

# Each side's parts in a folder of its own: a zip's unpacked, a text file
# itself.
foreach(side native node)
  file(MAKE_DIRECTORY ${WORK}/${side}-parts)
  if(SUFFIX MATCHES "\\.(docx|xlsx)$")
    file(ARCHIVE_EXTRACT INPUT ${WORK}/${side}${SUFFIX} DESTINATION ${WORK}/${side}-parts)
  else()
    file(COPY_FILE ${WORK}/${side}${SUFFIX} ${WORK}/${side}-parts/written${SUFFIX})
  endif()
  file(GLOB_RECURSE parts_${side} RELATIVE ${WORK}/${side}-parts ${WORK}/${side}-parts/*)
endforeach()
if(NOT parts_native OR NOT parts_native STREQUAL parts_node)
  message(FATAL_ERROR "different parts:\nnative: ${parts_native}\nnode: ${parts_node}")
endif()
foreach(part IN LISTS parts_native)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/native-parts/${part}
                          ${WORK}/node-parts/${part} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${part} differs between native and node")
  endif()
endforeach()
