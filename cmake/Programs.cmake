# What the installed programs carry: the release and the source revision
# every program reports with --version, and the game's window icon.
# The revision is taken at build time (so a new commit needs no reconfigure)
# from git, or, in a tarball made by `git archive`, from dist/REVISION; the
# generated file is rewritten only when the revision changes.
set(revision_dir ${CMAKE_BINARY_DIR}/generated/app)
set(revision_cpp ${revision_dir}/Revision.cpp)
add_custom_target(zarvel_revision
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -DOUTPUT=${revision_cpp} -P ${CMAKE_SOURCE_DIR}/cmake/WriteRevision.cmake
  BYPRODUCTS ${revision_cpp}
  COMMENT "Reading the source revision")

add_library(zarvel_options STATIC ${CMAKE_SOURCE_DIR}/src/app/Options.cpp
            ${revision_cpp})
add_dependencies(zarvel_options zarvel_revision)
target_include_directories(zarvel_options PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(zarvel_options PRIVATE
  ZARVEL_VERSION="${PROJECT_VERSION}")

foreach(program zarvel zarvel-tty zarvel-lint)
  if(TARGET ${program})
    target_link_libraries(${program} PRIVATE zarvel_options)
  endif()
endforeach()

# The game's window icon: the 64-pixel icon compiled into the game as a byte
# array, registered as a resource at start.
set(icon_png ${CMAKE_SOURCE_DIR}/dist/icons/64.png)
set(icon_cpp ${revision_dir}/WindowIcon.cpp)
add_custom_command(OUTPUT ${icon_cpp}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${icon_png} -DOUTPUT=${icon_cpp}
          -P ${CMAKE_SOURCE_DIR}/cmake/WriteWindowIcon.cmake
  DEPENDS ${icon_png} ${CMAKE_SOURCE_DIR}/cmake/WriteWindowIcon.cmake
  COMMENT "Compiling the window icon")
if(TARGET zarvel)
  target_sources(zarvel PRIVATE ${icon_cpp})
endif()
