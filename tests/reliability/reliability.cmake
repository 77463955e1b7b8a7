# Reliability checks through the real zarvel-tty, labelled "reliability".
# Kills during saving run in the normal build; the keyboard soak and the
# mutated data need a sanitizer and run in the fuzzing build (optimised,
# with AddressSanitizer and UndefinedBehaviorSanitizer), see
# tests/fuzz/fuzz.cmake. The counts here fit CI; tools/reliability/run.sh
# runs the full ones.
set(ZARVEL_KILLS 200 CACHE STRING "SIGKILLs of the kill-during-save test")

if(TARGET zarvel-tty AND NOT ZARVEL_SANITIZE AND NOT ZARVEL_FUZZ)
  add_library(zarvel_slow_writes SHARED
              ${CMAKE_CURRENT_LIST_DIR}/support/SlowWrites.c)
  # Preloaded into the runner: no sanitizer runtime of its own.
  set_target_properties(zarvel_slow_writes PROPERTIES COMPILE_OPTIONS ""
                        LINK_OPTIONS "")
  target_link_libraries(zarvel_slow_writes PRIVATE ${CMAKE_DL_LIBS})
  add_test(NAME reliability.kill-during-save
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/support/KillDuringSave.sh
      $<TARGET_FILE:zarvel-tty> $<TARGET_FILE:zarvel_slow_writes>
      ${CMAKE_SOURCE_DIR}/assets/dat
      ${CMAKE_CURRENT_BINARY_DIR}/reliability/kill-during-save ${ZARVEL_KILLS})
  set_tests_properties(reliability.kill-during-save PROPERTIES
    LABELS reliability TIMEOUT 3600)
endif()
