# Runs zarvel-lint on one folder (cmake -P) and compares what it prints with
# the expected findings. Variables:
#   LINT      the checker
#   WORK_DIR  the folder it runs in (findings name files relative to it)
#   DATA_DIR  the data folder, relative to WORK_DIR or absolute
#   EXPECTED  the file holding the exact expected output
#   STATUS    the expected exit status (1: findings, 0: clean)
# Set UPDATE=1 to write the actual output over EXPECTED instead of comparing
# (for a new case; read the result before committing it).
foreach(var LINT WORK_DIR DATA_DIR EXPECTED STATUS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunLint.cmake needs -D${var}=...")
  endif()
endforeach()

execute_process(COMMAND ${LINT} ${DATA_DIR}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 60)

if(UPDATE)
  file(WRITE ${EXPECTED} "${actual}")
  message(STATUS "updated ${EXPECTED} (status ${status})")
  return()
endif()

file(READ ${EXPECTED} expected)
set(failures)
if(NOT status STREQUAL STATUS)
  list(APPEND failures "exit status ${status}, expected ${STATUS}")
endif()
if(NOT actual STREQUAL expected)
  list(APPEND failures "output differs:\n--- expected\n${expected}--- actual\n${actual}")
endif()
if(errors)
  list(APPEND failures "standard error: ${errors}")
endif()
if(failures)
  string(REPLACE ";" "; " failures "${failures}")
  message(FATAL_ERROR "zarvel-lint ${DATA_DIR}: ${failures}")
endif()
