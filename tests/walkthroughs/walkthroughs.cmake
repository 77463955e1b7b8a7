# Walkthroughs of the shipped adventure: every folder here with an
# input.keys is one CTest test that plays it through zarvel-tty on the data
# built into the program and compares the transcript with expected.txt (see
# support/RunWalkthrough.cmake). A change of the data that breaks the way to
# an ending fails here.
if(TARGET zarvel-tty)
  file(GLOB walkthrough_cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_LIST_DIR}/*)
  foreach(case_dir ${walkthrough_cases})
    if(IS_DIRECTORY ${case_dir} AND EXISTS ${case_dir}/input.keys)
      get_filename_component(case_name ${case_dir} NAME)
      add_test(NAME walkthrough.${case_name}
        COMMAND ${CMAKE_COMMAND}
          -DRUNNER=$<TARGET_FILE:zarvel-tty>
          -DCASE_DIR=${case_dir}
          -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/walkthroughs/${case_name}
          -DINIT_FILE=${CMAKE_SOURCE_DIR}/assets/dat/inicializace.txt
          -P ${CMAKE_CURRENT_LIST_DIR}/support/RunWalkthrough.cmake)
      set_tests_properties(walkthrough.${case_name} PROPERTIES TIMEOUT 900)
    endif()
  endforeach()
endif()

# The expectation checker used by the walkthroughs that state expectations.
add_test(NAME walkthrough-checker
  COMMAND ${CMAKE_COMMAND}
    -DCHECKER=${CMAKE_CURRENT_LIST_DIR}/support/check-expectations.sh
    -DDIR=${CMAKE_CURRENT_LIST_DIR}/checker
    -P ${CMAKE_CURRENT_LIST_DIR}/checker/RunChecker.cmake)
