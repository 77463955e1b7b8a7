# The page: the engine on the web platform, its resources preloaded into the
# file system at /zarvel (zarvel.data), and the page's own files beside it.
set(SITE ${CMAKE_BINARY_DIR}/site)
file(GLOB PAGE_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/page/*)
file(GLOB WEB_PLATFORM_SOURCES CONFIGURE_DEPENDS ${SRC}/media/web/Page*.cpp
     ${SRC}/media/web/StoredFiles.cpp ${SRC}/media/web/WebPlatform.cpp)
add_executable(zarvel ${SRC}/app/web/main.cpp ${WEB_PLATFORM_SOURCES}
  ${SRC}/media/desktop/InputState.cpp ${SRC}/app/tty/Transcript.cpp)
target_include_directories(zarvel PRIVATE ${SRC}/app)
target_link_libraries(zarvel PRIVATE zarvel_web_core)
set(library ${CMAKE_CURRENT_SOURCE_DIR}/zarvel_library.js)
file(GLOB resource_files CONFIGURE_DEPENDS ${ZARVEL_WEB_RESOURCES}/*/*
     ${ZARVEL_WEB_RESOURCES}/resources.txt)
set_target_properties(zarvel PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${SITE}
  LINK_DEPENDS "${library};${resource_files}")
# The engine blocks (it waits for frames, keys and time), so Asyncify lets
# it give the browser its turn at each wait.
target_link_options(zarvel PRIVATE
  -sENVIRONMENT=web -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=['zarvel_page_wait_frame','zarvel_page_wait_input','zarvel_page_store_files','zarvel_page_end']"
  "-sEXPORTED_RUNTIME_METHODS=['FS']"
  -lidbfs.js --js-library ${library}
  --preload-file ${ZARVEL_WEB_RESOURCES}@/zarvel)
# The page's own files, copied whenever one changes.
set(site_page_files)
foreach(file ${PAGE_FILES})
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${SITE}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${SITE}/${name}
    DEPENDS ${file})
  list(APPEND site_page_files ${SITE}/${name})
endforeach()
add_custom_target(zarvel_page_files ALL DEPENDS ${site_page_files})
