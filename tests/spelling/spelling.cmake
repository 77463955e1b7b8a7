# The spelling of the shipped texts, checked with hunspell and Debian's
# Czech dictionary against the reviewed list words.txt. Without hunspell the
# test is reported as skipped rather than left out silently.
if(TARGET zarvel-lint)
  find_program(ZARVEL_HUNSPELL hunspell)
  if(ZARVEL_HUNSPELL)
    add_test(NAME spelling.shipped-texts
      COMMAND ${CMAKE_COMMAND}
        -DLINT=$<TARGET_FILE:zarvel-lint>
        -DHUNSPELL=${ZARVEL_HUNSPELL}
        -DWORDS=${CMAKE_CURRENT_LIST_DIR}/words.txt
        -DOUT=${CMAKE_CURRENT_BINARY_DIR}/zarvel-texts.txt
        -P ${CMAKE_CURRENT_LIST_DIR}/support/CheckSpelling.cmake)
  else()
    add_test(NAME spelling.shipped-texts
      COMMAND ${CMAKE_COMMAND} -E echo "hunspell is not installed: skipped")
  endif()
  set_tests_properties(spelling.shipped-texts PROPERTIES
    SKIP_REGULAR_EXPRESSION "skipped")
endif()
