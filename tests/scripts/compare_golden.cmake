# SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs DRIVER on SCRIPT and compares its standard output with EXPECTED.
# RUNNER: the program that runs DRIVER (node), if any; INPUT: a session
# given on standard input instead of as SCRIPT.
if(DEFINED INPUT)
  execute_process(
    COMMAND ${RUNNER} ${DRIVER}
    INPUT_FILE ${INPUT}
    OUTPUT_FILE ${ACTUAL}
    RESULT_VARIABLE status)
else()
  execute_process(
    COMMAND ${RUNNER} ${DRIVER} ${SCRIPT}
    OUTPUT_FILE ${ACTUAL}
    RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "kavro-script exited with ${status}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
  RESULT_VARIABLE different)
if(different)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "output differs from ${EXPECTED} (actual output in ${ACTUAL})")
endif()
