# A position that fails to read after the menu listed it, through the real
# runner with an injected I/O error.
if(TARGET zarvel-tty)
  add_library(zarvel_failing_open SHARED
              ${CMAKE_CURRENT_LIST_DIR}/support/FailingOpen.c)
  # The shim is preloaded into the runner: no sanitizer runtime of its own.
  set_target_properties(zarvel_failing_open PROPERTIES COMPILE_OPTIONS ""
                        LINK_OPTIONS "")
  target_link_libraries(zarvel_failing_open PRIVATE ${CMAKE_DL_LIBS})
  add_test(NAME save.failed-read-keeps-world
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/support/FailedReadKeepsWorld.sh
      $<TARGET_FILE:zarvel-tty> $<TARGET_FILE:zarvel_failing_open>
      ${CMAKE_SOURCE_DIR}/tests/transcripts/worlds/sklep
      ${CMAKE_SOURCE_DIR}/tests/transcripts/save-load/setup/pozice_03.sav
      ${CMAKE_CURRENT_BINARY_DIR}/save/failed-read-keeps-world)
  set_tests_properties(save.failed-read-keeps-world PROPERTIES TIMEOUT 900)
endif()
