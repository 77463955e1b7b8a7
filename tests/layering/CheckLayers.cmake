# Checks the include structure of a source tree (-DSOURCE_DIR=<dir holding
# src/>): each engine folder includes only its own layer and the layers
# below it, only the programs include a platform implementation, and the
# engine never includes the machine's own headers (SDL, OpenGL, OpenAL,
# POSIX files), which belong behind the Platform seam. Prints every finding
# as "file: message", one a line, and fails when there is any.
#
# The order of the layers, lowest first; app (the programs) is above all.
set(layers media data console game rules save commands shell app)
# Folders that implement the Platform (and its files): only the programs,
# the implementations themselves and, for posix, media may include them.
set(platform_implementations media/desktop media/headless media/posix media/web)
# Headers of the machine that the engine folders never include.
set(machine_headers "SDL" "GL/" "AL/" "unistd.h" "fcntl.h" "sys/" "dirent.h")
# Headers of the file system that only the platform implementations use.
set(file_headers "cstdio" "stdio.h" "fstream" "filesystem")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers: pass -DSOURCE_DIR=<folder holding src/>")
endif()

set(findings)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.inc)
list(SORT sources)

foreach(source ${sources})
  string(REGEX MATCH "^src/([a-z]+)/" _ ${source})
  set(folder ${CMAKE_MATCH_1})
  list(FIND layers ${folder} rank)
  if(rank EQUAL -1)
    list(APPEND findings "${source}: folder '${folder}' is in no layer")
    continue()
  endif()
  set(implementation FALSE)
  foreach(impl ${platform_implementations})
    if(source MATCHES "^src/${impl}/")
      set(implementation TRUE)
    endif()
  endforeach()

  file(STRINGS ${SOURCE_DIR}/${source} includes
       REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line ${includes})
    string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
    set(header ${CMAKE_MATCH_1})
    if(line MATCHES "\"")
      # A project header: "folder/..." names its layer.
      if(NOT header MATCHES "^([a-z]+)/")
        continue()
      endif()
      list(FIND layers ${CMAKE_MATCH_1} header_rank)
      if(header_rank GREATER rank)
        list(APPEND findings
             "${source}: includes ${header}, a layer above ${folder}")
      endif()
      foreach(impl ${platform_implementations})
        if(header MATCHES "^${impl}/" AND NOT folder STREQUAL "app"
           AND NOT implementation
           AND NOT (impl STREQUAL "media/posix" AND folder STREQUAL "media"))
          list(APPEND findings
               "${source}: includes ${header}, a platform implementation")
        endif()
      endforeach()
    elseif(NOT folder STREQUAL "app" AND NOT implementation)
      foreach(machine ${machine_headers})
        if(header MATCHES "^${machine}")
          list(APPEND findings
               "${source}: includes <${header}>, a machine header")
        endif()
      endforeach()
      foreach(files ${file_headers})
        if(header STREQUAL files)
          list(APPEND findings
               "${source}: includes <${header}>, files go through Platform")
        endif()
      endforeach()
    endif()
  endforeach()
endforeach()

if(findings)
  list(LENGTH findings count)
  foreach(finding ${findings})
    message(NOTICE "${finding}")
  endforeach()
  message(FATAL_ERROR "${count} layering finding(s)")
endif()
list(LENGTH sources count)
message(STATUS "layering: ${count} files, includes only run down")
