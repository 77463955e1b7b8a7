# Runs one transcript case (cmake -P). A case folder holds:
#   input.keys    the key script
#   expected.txt  the expected standard output
#   options       optional: the runner's options on one line, default
#                 "--raw --data @DATA@ --keys @KEYS@". @DATA@ is the fixture
#                 world, @KEYS@ the key script; without @KEYS@ the script is
#                 fed through standard input instead
#   world         optional: name of the world under worlds/, default "sklep"
#   status        optional: the expected exit status, default 0
#   stderr.txt    optional: the expected standard error
#   setup/        optional: files put into the working directory first
#   files/        optional: files the run must leave in the working
#                 directory, compared byte for byte
#   screenshots   optional: names (one a line) of PNG files the run must
#                 leave in the working directory, each 800 × 600
# Set UPDATE=1 to write the actual output over expected.txt instead of
# comparing (for a new case; read the result before committing it).

foreach(var RUNNER CASE_DIR WORLDS_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunTranscript.cmake needs -D${var}=...")
  endif()
endforeach()

set(world sklep)
if(EXISTS ${CASE_DIR}/world)
  file(STRINGS ${CASE_DIR}/world world LIMIT_COUNT 1)
endif()
set(options "--raw --data @DATA@ --keys @KEYS@")
if(EXISTS ${CASE_DIR}/options)
  file(STRINGS ${CASE_DIR}/options options LIMIT_COUNT 1)
endif()
set(expected_status 0)
if(EXISTS ${CASE_DIR}/status)
  file(STRINGS ${CASE_DIR}/status expected_status LIMIT_COUNT 1)
endif()

set(input_args)
if(NOT options MATCHES "@KEYS@")
  set(input_args INPUT_FILE ${CASE_DIR}/input.keys)
endif()
string(REPLACE "@DATA@" "${WORLDS_DIR}/${world}" options "${options}")
string(REPLACE "@KEYS@" "${CASE_DIR}/input.keys" options "${options}")
separate_arguments(options UNIX_COMMAND "${options}")

# Position files land in the working directory: each case gets its own.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
if(IS_DIRECTORY ${CASE_DIR}/setup)
  file(COPY ${CASE_DIR}/setup/ DESTINATION ${WORK_DIR})
endif()
set(actual ${WORK_DIR}.stdout.txt)
set(actual_err ${WORK_DIR}.stderr.txt)
execute_process(COMMAND ${RUNNER} ${options}
  WORKING_DIRECTORY ${WORK_DIR}
  ${input_args}
  OUTPUT_FILE ${actual}
  ERROR_FILE ${actual_err}
  RESULT_VARIABLE status
  TIMEOUT 600)

if(UPDATE)
  file(COPY_FILE ${actual} ${CASE_DIR}/expected.txt)
  message(STATUS "updated ${CASE_DIR}/expected.txt (status ${status})")
  return()
endif()

set(failures)
if(NOT status STREQUAL expected_status)
  list(APPEND failures "exit status ${status}, expected ${expected_status}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/../../support/CompareFiles.cmake)
zarvel_compare_files(${CASE_DIR}/expected.txt ${actual} "standard output")
if(EXISTS ${CASE_DIR}/stderr.txt)
  zarvel_compare_files(${CASE_DIR}/stderr.txt ${actual_err} "standard error")
endif()
if(IS_DIRECTORY ${CASE_DIR}/files)
  file(GLOB expected_files RELATIVE ${CASE_DIR}/files ${CASE_DIR}/files/*)
  foreach(name ${expected_files})
    if(NOT EXISTS ${WORK_DIR}/${name})
      list(APPEND failures "${name} was not written")
    else()
      zarvel_compare_files(${CASE_DIR}/files/${name} ${WORK_DIR}/${name} "${name}")
    endif()
  endforeach()
endif()

if(EXISTS ${CASE_DIR}/screenshots)
  file(STRINGS ${CASE_DIR}/screenshots shots)
  foreach(name ${shots})
    set(shot ${WORK_DIR}/${name})
    if(NOT EXISTS ${shot})
      list(APPEND failures "${name} was not written")
      continue()
    endif()
    # PNG signature, then the IHDR chunk with width and height.
    file(READ ${shot} head LIMIT 24 HEX)
    if(NOT head MATCHES "^89504e470d0a1a0a0000000d494844520000032000000258$")
      list(APPEND failures "${name} is not an 800 x 600 PNG")
    endif()
  endforeach()
endif()

if(failures)
  string(REPLACE ";" "; " failures "${failures}")
  message(FATAL_ERROR "transcript ${CASE_DIR}: ${failures}")
endif()
