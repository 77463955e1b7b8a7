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

# Random keystrokes and damaged data through the zarvel-tty of the fuzzing
# build. The mutated-data runs are two tests with their own seeds, so that
# ctest -j2 runs them side by side.
set(ZARVEL_SOAK_KEYS 10000 CACHE STRING "Keystrokes of the keyboard soak")
set(ZARVEL_MUTATION_RUNS 250 CACHE STRING "Runs of each mutated-data test")
if(TARGET zarvel-tty AND ZARVEL_FUZZ)
  add_test(NAME reliability.keyboard-soak
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/support/KeyboardSoak.sh
      $<TARGET_FILE:zarvel-tty>
      ${CMAKE_CURRENT_BINARY_DIR}/reliability/keyboard-soak ${ZARVEL_SOAK_KEYS})
  foreach(seed 1 2)
    add_test(NAME reliability.mutated-data-${seed}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/support/MutatedData.sh
        $<TARGET_FILE:zarvel-tty> ${CMAKE_SOURCE_DIR}/assets/dat
        ${CMAKE_CURRENT_BINARY_DIR}/reliability/mutated-data-${seed}
        ${ZARVEL_MUTATION_RUNS} ${seed})
  endforeach()
  set_tests_properties(reliability.keyboard-soak reliability.mutated-data-1
    reliability.mutated-data-2 PROPERTIES LABELS reliability TIMEOUT 7200)
endif()
