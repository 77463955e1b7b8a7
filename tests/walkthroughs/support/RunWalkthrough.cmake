# Plays one walkthrough (cmake -P): zarvel-tty --no-pause --raw runs the key
# script on the data built into the program, in a fresh working directory,
# and its standard output must equal the expected transcript. A case folder
# holds:
#   input.keys    the key script (one typed line a line; see the runner)
#   expected.txt  the expected standard output, compared exactly; or
#   expect.txt    what must (and must not) follow given commands, checked by
#                 check-expectations.sh (see there): for cases where only a
#                 few replies matter and exactness would add nothing
#   reaches       optional: texts (one a line) the transcript must contain,
#                 such as the ending it has to reach; checked first, so a
#                 broken path is named before the transcript diff
#   gender        optional: "žena" plays as a feminine player through a
#                 --data folder holding only an initialization file that
#                 differs from the shipped one in its plm= line
# Variables: RUNNER, CASE_DIR, WORK_DIR, INIT_FILE (the shipped
# initialization file). Set UPDATE=1 to write the actual output over
# expected.txt instead of comparing (read the result before committing it).
foreach(var RUNNER CASE_DIR WORK_DIR INIT_FILE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunWalkthrough.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(options --no-pause --raw --keys ${CASE_DIR}/input.keys)
if(EXISTS ${CASE_DIR}/gender)
  file(STRINGS ${CASE_DIR}/gender gender LIMIT_COUNT 1 ENCODING UTF-8)
  # file(READ) drops the CRs of the CR LF lines; the loader reads the values
  # of those lines (the settings) through their integer or trimmed value, so
  # the override plays exactly as the shipped file would.
  file(READ ${INIT_FILE} init)
  string(REGEX REPLACE "plm=1/[^\r\n]*" "plm=1/${gender}" init "${init}")
  file(MAKE_DIRECTORY ${WORK_DIR}/data)
  file(WRITE ${WORK_DIR}/data/inicializace.txt "${init}")
  list(APPEND options --data ${WORK_DIR}/data)
endif()

# The bound on the play is generous: the longest walkthrough takes well over
# a minute in a sanitizer build on a busy machine. A run cut off by it fails
# with "exit status Process terminated due to timeout".
set(actual ${WORK_DIR}.stdout.txt)
execute_process(COMMAND ${RUNNER} ${options}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_FILE ${actual}
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 600)

set(by_expectations FALSE)
if(EXISTS ${CASE_DIR}/expect.txt)
  set(by_expectations TRUE)
endif()

if(UPDATE AND by_expectations)
  message(STATUS "${CASE_DIR} states expectations (expect.txt): nothing to update")
  return()
elseif(UPDATE)
  file(COPY_FILE ${actual} ${CASE_DIR}/expected.txt)
  message(STATUS "updated ${CASE_DIR}/expected.txt (status ${status})")
  return()
endif()

set(failures)
if(NOT status EQUAL 0)
  list(APPEND failures "exit status ${status}: ${errors}")
endif()
file(READ ${actual} transcript)
if(EXISTS ${CASE_DIR}/reaches)
  file(STRINGS ${CASE_DIR}/reaches goals ENCODING UTF-8)
  foreach(goal ${goals})
    string(FIND "${transcript}" "${goal}" at)
    if(at EQUAL -1)
      list(APPEND failures "never reaches \"${goal}\"")
    endif()
  endforeach()
endif()
if(by_expectations)
  execute_process(
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check-expectations.sh ${actual}
            ${CASE_DIR}/expect.txt
    ERROR_VARIABLE unmet
    RESULT_VARIABLE check_status)
  if(NOT check_status EQUAL 0)
    list(APPEND failures "expectations not met (transcript: ${actual}):\n${unmet}")
  endif()
else()
  include(${CMAKE_CURRENT_LIST_DIR}/../../support/CompareFiles.cmake)
  zarvel_compare_files(${CASE_DIR}/expected.txt ${actual} "the transcript")
endif()
if(failures)
  string(REPLACE ";" "; " failures "${failures}")
  message(FATAL_ERROR "walkthrough ${CASE_DIR}: ${failures}")
endif()
