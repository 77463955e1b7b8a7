# Transcript tests: each folder tests/transcripts/<case>/ with an input.keys
# is one CTest test that runs zarvel-tty on a fixture world in a fresh
# working directory and compares its standard output (and any files it
# wrote) byte for byte with the expected ones. See support/RunTranscript.cmake for
# the files a case may hold.
if(TARGET zarvel-tty)
  file(GLOB transcript_cases LIST_DIRECTORIES true CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_LIST_DIR}/*)
  foreach(case_dir ${transcript_cases})
    if(IS_DIRECTORY ${case_dir} AND EXISTS ${case_dir}/input.keys)
      get_filename_component(case_name ${case_dir} NAME)
      add_test(NAME transcript.${case_name}
        COMMAND ${CMAKE_COMMAND}
          -DRUNNER=$<TARGET_FILE:zarvel-tty>
          -DCASE_DIR=${case_dir}
          -DWORLDS_DIR=${CMAKE_CURRENT_LIST_DIR}/worlds
          -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/transcripts/${case_name}
          -P ${CMAKE_CURRENT_LIST_DIR}/support/RunTranscript.cmake)
      set_tests_properties(transcript.${case_name} PROPERTIES TIMEOUT 900)
    endif()
  endforeach()
endif()

# Driven through pipes, the runner answers each line before the next is sent.
if(TARGET zarvel-tty)
  add_test(NAME transcript.replies-before-the-next-line
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/support/RepliesBeforeTheNextLine.sh
      $<TARGET_FILE:zarvel-tty> ${CMAKE_CURRENT_LIST_DIR}/worlds/sklep
      ${CMAKE_CURRENT_BINARY_DIR}/transcripts/replies-before-the-next-line)
  set_tests_properties(transcript.replies-before-the-next-line
    PROPERTIES TIMEOUT 900)
endif()
