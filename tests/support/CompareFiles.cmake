# Shared by the scripts that run a program and check what it wrote
# (cmake -P): compares two files byte for byte; when they differ, shows the
# difference (diff is part of every Debian system) and adds
# "<what> differs" to the caller's list `failures`.
function(zarvel_compare_files expected_file actual_file what)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          ${expected_file} ${actual_file}
                  RESULT_VARIABLE different OUTPUT_QUIET ERROR_QUIET)
  if(NOT different EQUAL 0)
    execute_process(COMMAND diff -u --text ${expected_file} ${actual_file})
    set(failures ${failures} "${what} differs" PARENT_SCOPE)
  endif()
endfunction()
