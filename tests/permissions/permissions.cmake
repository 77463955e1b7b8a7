# Permission tests again as an unprivileged user when the suite runs as root.
foreach(entry "test_media|TextFileTest.*" "test_save|SaveTest.AReadOnly*")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 binary)
  list(GET parts 1 filter)
  add_test(NAME permissions.${binary}
           COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_unprivileged.sh
                   $<TARGET_FILE:${binary}> ${filter})
  set_tests_properties(permissions.${binary} PROPERTIES SKIP_RETURN_CODE 77)
endforeach()
