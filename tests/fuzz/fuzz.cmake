# Fuzz targets (libFuzzer), built and run only in the fuzzing build
# (-DZARVEL_FUZZ=ON, see cmake/Fuzzing.cmake). Each test runs a fixed number
# of inputs from a fixed seed, starting from a copy of its committed seed
# corpus (corpus/<name>/): the same code meets the same inputs on every
# machine, so the tests fail for a fault of the code and never by the luck of
# a run. The numbers take about a minute each on a 2026 desktop core (the
# targets differ a thousandfold in speed); ZARVEL_FUZZ_SCALE multiplies them.
# A crash, a leak, a sanitizer report or a time-out fails the test and leaves
# the reproducer in <build>/tests/fuzz/<name>/artifacts/.
# tools/reliability/run.sh fuzz explores for longer, from fresh seeds.
if(ZARVEL_FUZZ)
  set(ZARVEL_FUZZ_SCALE 1 CACHE STRING "Multiplies the inputs each fuzz test runs")
  set(fuzz_targets data_loader position_file conditions text key_script)
  set(fuzz_runs_data_loader 1200)
  set(fuzz_runs_position_file 1200)
  set(fuzz_runs_conditions 20000)
  set(fuzz_runs_text 500000)
  set(fuzz_runs_key_script 200000)
  set(fuzz_source_data_loader FuzzDataLoader.cpp)
  set(fuzz_source_position_file FuzzPositionFile.cpp)
  set(fuzz_source_conditions FuzzConditions.cpp)
  set(fuzz_source_text FuzzText.cpp)
  set(fuzz_source_key_script FuzzKeyScript.cpp
      ${CMAKE_SOURCE_DIR}/src/app/tty/LongKeyLines.cpp)
  foreach(name ${fuzz_targets})
    set(sources)
    foreach(source ${fuzz_source_${name}})
      if(IS_ABSOLUTE ${source})
        list(APPEND sources ${source})
      else()
        list(APPEND sources ${CMAKE_CURRENT_LIST_DIR}/${source})
      endif()
    endforeach()
    math(EXPR fuzz_runs "${fuzz_runs_${name}} * ${ZARVEL_FUZZ_SCALE}")
    add_executable(fuzz_${name} ${sources})
    target_include_directories(fuzz_${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                               ${CMAKE_SOURCE_DIR}/src/app/tty)
    target_link_libraries(fuzz_${name} PRIVATE zarvel_engine zarvel_headless
                          zarvel_embedded)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    add_test(NAME fuzz.${name}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/support/RunFuzzer.sh
        $<TARGET_FILE:fuzz_${name}> ${CMAKE_CURRENT_LIST_DIR}/corpus/${name}
        ${CMAKE_CURRENT_BINARY_DIR}/fuzz/${name}
        -seed=1 -runs=${fuzz_runs})
    set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz PROCESSORS 1
                         TIMEOUT 3600)
  endforeach()
  add_custom_target(fuzz_targets DEPENDS fuzz_data_loader fuzz_position_file
                    fuzz_conditions fuzz_text fuzz_key_script)
endif()
