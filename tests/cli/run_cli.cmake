# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs PROGRAM with ARGS (a list) in the source folder and checks its exit
# status against STATUS, and each of standard output, standard error and the
# file OUTPUT against EXPECTED_STDOUT, EXPECTED_STDERR and EXPECTED_OUTPUT
# where given. NO_OUTPUT: OUTPUT must not exist afterwards.
string(REPLACE "|" ";" ARGS "${ARGS}")
if(DEFINED OUTPUT)
  file(REMOVE ${OUTPUT})
endif()
execute_process(
  COMMAND ${PROGRAM} ${ARGS}
  WORKING_DIRECTORY ${SOURCE_DIR}
  OUTPUT_FILE ${ACTUAL}.stdout
  ERROR_FILE ${ACTUAL}.stderr
  RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  file(READ ${ACTUAL}.stderr err)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${err}")
endif()

function(compare expected actual)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${actual}
                  RESULT_VARIABLE different)
  if(different)
    execute_process(COMMAND diff -u ${expected} ${actual})
    message(FATAL_ERROR "${actual} differs from ${expected}")
  endif()
endfunction()

if(DEFINED EXPECTED_STDOUT)
  compare(${EXPECTED_STDOUT} ${ACTUAL}.stdout)
endif()
if(DEFINED EXPECTED_STDERR)
  compare(${EXPECTED_STDERR} ${ACTUAL}.stderr)
endif()
if(DEFINED EXPECTED_OUTPUT)
  compare(${EXPECTED_OUTPUT} ${OUTPUT})
endif()
if(DEFINED OUTPUT)
  if(NO_OUTPUT AND EXISTS ${OUTPUT})
    message(FATAL_ERROR "${OUTPUT} was written")
  elseif(NOT NO_OUTPUT AND NOT EXISTS ${OUTPUT})
    message(FATAL_ERROR "${OUTPUT} was not written")
  endif()
endif()
