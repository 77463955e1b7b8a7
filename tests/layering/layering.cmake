# The include structure of src/: each layer includes only the layers below
# it, and the engine reaches the machine only through the Platform. The
# fixture trees prove that the check refuses each kind of breach.
set(layering_check ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake)
set(layering_fixtures ${CMAKE_CURRENT_LIST_DIR}/fixtures)

add_test(NAME layering
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                 -P ${layering_check})

set(layering_cases
    "upward|src/console/Upward.cpp: includes game/Game.h, a layer above console"
    "machine|src/rules/Files.cpp: includes <cstdio>, files go through Platform.*src/rules/Files.cpp: includes <unistd.h>, a machine header"
    "implementation|src/shell/Sdl.cpp: includes <SDL.h>, a machine header.*src/shell/Sdl.cpp: includes media/desktop/DesktopPlatform.h, a platform implementation")
foreach(case ${layering_cases})
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 expected)
  add_test(NAME layering_refuses_${name}
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${layering_fixtures}/${name}
                   -P ${layering_check})
  # The check fails on these trees; what counts is that it names the breach.
  set_tests_properties(layering_refuses_${name} PROPERTIES
                       PASS_REGULAR_EXPRESSION "${expected}")
endforeach()
