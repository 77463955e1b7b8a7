# zarvel-tty's player's view: the paragraph writer and the answers to the
# game's waits as unit tests (test_tty, built from tests/tty/*Test.cpp with
# the runner's sources), and the whole program in a real terminal (tmux).
if(TARGET test_tty)
  target_sources(test_tty PRIVATE
    ${CMAKE_SOURCE_DIR}/src/app/tty/Paragraphs.cpp
    ${CMAKE_SOURCE_DIR}/src/app/tty/Answers.cpp
    ${CMAKE_SOURCE_DIR}/src/app/tty/LongKeyLines.cpp)
  target_include_directories(test_tty PRIVATE ${CMAKE_SOURCE_DIR}/src)
  # The runner sits on top of the whole engine.
  target_link_libraries(test_tty PRIVATE zarvel_shell)
endif()

find_program(TMUX_PROGRAM tmux)
if(TARGET zarvel-tty AND TMUX_PROGRAM)
  foreach(case wrap-60 wrap-120 conversation name history speak)
    add_test(NAME tty.terminal.${case}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/terminal.sh ${case}
        $<TARGET_FILE:zarvel-tty>
        ${CMAKE_CURRENT_LIST_DIR}/../transcripts/worlds/sklep
        ${CMAKE_CURRENT_BINARY_DIR}/tty/${case})
    set_tests_properties(tty.terminal.${case} PROPERTIES TIMEOUT 900)
  endforeach()
elseif(TARGET zarvel-tty)
  message(WARNING "tmux not found: the terminal tests of zarvel-tty are left out")
endif()

if(TARGET zarvel-tty)
  add_test(NAME tty.diagnostics-to-stderr
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/diagnostics.sh
      $<TARGET_FILE:zarvel-tty>
      ${CMAKE_CURRENT_LIST_DIR}/../walkthroughs/win/input.keys
      ${CMAKE_CURRENT_BINARY_DIR}/tty/diagnostics)
  set_tests_properties(tty.diagnostics-to-stderr PROPERTIES TIMEOUT 900)
endif()
