# Tests of the data checker: every folder under fixtures/ is a small broken
# data set holding only the files its fault needs (the checker reads missing
# files as empty and skips their checks), with the exact findings expected in
# expected.txt. The shipped data must come out clean, and its room map must be
# a graph that Graphviz draws.
if(TARGET zarvel-lint)
  set(lint_dir ${CMAKE_CURRENT_LIST_DIR})
  file(GLOB lint_cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${lint_dir}/fixtures/*)
  foreach(case_dir ${lint_cases})
    if(IS_DIRECTORY ${case_dir} AND EXISTS ${case_dir}/expected.txt)
      get_filename_component(case_name ${case_dir} NAME)
      add_test(NAME lint.${case_name}
        COMMAND ${CMAKE_COMMAND}
          -DLINT=$<TARGET_FILE:zarvel-lint>
          -DWORK_DIR=${lint_dir}/fixtures
          -DDATA_DIR=${case_name}
          -DEXPECTED=${case_dir}/expected.txt
          -DSTATUS=1
          -P ${lint_dir}/support/RunLint.cmake)
    endif()
  endforeach()

  add_test(NAME lint.shipped-data-is-clean
    COMMAND ${CMAKE_COMMAND}
      -DLINT=$<TARGET_FILE:zarvel-lint>
      -DWORK_DIR=${CMAKE_SOURCE_DIR}
      -DDATA_DIR=assets/dat
      -DEXPECTED=${lint_dir}/support/no-findings.txt
      -DSTATUS=0
      -P ${lint_dir}/support/RunLint.cmake)

  find_program(ZARVEL_DOT dot)
  add_test(NAME lint.shipped-map
    COMMAND ${CMAKE_COMMAND}
      -DLINT=$<TARGET_FILE:zarvel-lint>
      -DOUT=${CMAKE_CURRENT_BINARY_DIR}/zarvel-map.dot
      -DDOT=${ZARVEL_DOT}
      -P ${lint_dir}/support/CheckMap.cmake)
endif()
