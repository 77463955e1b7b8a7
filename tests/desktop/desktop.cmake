# The desktop program in a real X server (Xvfb with openbox), driven by
# xdotool. Each script skips itself (status 77) on a machine without the X
# tools. Each script starts its own X server and waits for what it checks
# (the game's input trace, the picture, the recorded samples), never for a
# length of time, so they run side by side like any other test.
if(TARGET zarvel)
  set(desktop_dir ${CMAKE_CURRENT_LIST_DIR}/../desktop)
  function(zarvel_desktop_test name script)
    add_test(NAME ${name}
             COMMAND bash ${desktop_dir}/${script} $<TARGET_FILE:zarvel> ${ARGN})
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900
                         LABELS desktop)
  endfunction()

  zarvel_desktop_test(desktop_no_display nodisplay.sh)
  # With the terminal runner at hand the same run also compares the final
  # game screen with its screenshot.
  if(TARGET zarvel-tty)
    zarvel_desktop_test(desktop_title_play_and_tty_screenshot play.sh
                        $<TARGET_FILE:zarvel-tty>)
    zarvel_desktop_test(desktop_fullscreen_and_window fullscreen.sh
                        $<TARGET_FILE:zarvel-tty>)
  else()
    zarvel_desktop_test(desktop_title_and_play play.sh)
  endif()
  zarvel_desktop_test(desktop_rows_copied_as_drawn scroll.sh)
  zarvel_desktop_test(desktop_close_request close.sh)
  zarvel_desktop_test(desktop_music music.sh)
endif()

# Unit tests of the desktop platform's own rules (no display needed). They
# live in a subfolder so that the per-folder test programs, which are built
# without the desktop library, do not pick them up.
if(TARGET zarvel_desktop)
  file(GLOB desktop_unit_sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_LIST_DIR}/unit/*Test.cpp)
  if(desktop_unit_sources)
    add_executable(test_desktop_platform ${desktop_unit_sources})
    target_link_libraries(test_desktop_platform PRIVATE zarvel_desktop
                          zarvel_headless zarvel_embedded GTest::gtest
                          GTest::gtest_main)
    target_compile_definitions(test_desktop_platform PRIVATE
      ZARVEL_TEST_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/unit/fixtures")
    gtest_discover_tests(test_desktop_platform DISCOVERY_TIMEOUT 60)
  endif()
endif()
