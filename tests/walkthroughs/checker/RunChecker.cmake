# Tests check-expectations.sh itself (cmake -P): statements that hold pass,
# and every statement that fails is reported by its line, so a walkthrough
# stated as expectations cannot pass by accident. Variables: CHECKER, DIR.
set(failures)
execute_process(COMMAND bash ${CHECKER} ${DIR}/transcript.txt ${DIR}/holds.txt
  ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  list(APPEND failures "holding statements failed (${status}): ${errors}")
endif()
execute_process(COMMAND bash ${CHECKER} ${DIR}/transcript.txt ${DIR}/fails.txt
  WORKING_DIRECTORY ${DIR}
  ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 1)
  list(APPEND failures "failing statements gave status ${status}, not 1")
endif()
file(STRINGS ${DIR}/fails.expected wanted)
string(REGEX MATCHALL "fails\\.txt:[0-9]+:" named "${errors}")
if(NOT named STREQUAL wanted)
  list(APPEND failures "reported lines ${named}, expected ${wanted}:\n${errors}")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
