# The release and the source revision every program reports with --version.
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
