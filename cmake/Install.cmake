# Install rules: `cmake --install build --prefix P` lays the game out the way
# Debian's game packages do. Games in P/games, the authoring tool in P/bin,
# the desktop entry, icons and AppStream metadata under P/share, manual
# pages and documentation compressed as Debian wants them.
include(GNUInstallDirs)
set(ZARVEL_GAMES_DIR games CACHE STRING "Where the game programs go, below the prefix")
set(ZARVEL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/zarvel)
set(dist ${CMAKE_SOURCE_DIR}/dist)

if(TARGET zarvel)
  install(TARGETS zarvel RUNTIME DESTINATION ${ZARVEL_GAMES_DIR})
  install(PROGRAMS ${dist}/zarvel-launcher DESTINATION ${ZARVEL_GAMES_DIR})
  install(FILES ${dist}/zarvel.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${dist}/cz.zarvel.zarvel.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  foreach(size 16 32 48 64 128 256 512)
    install(FILES ${dist}/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
            RENAME zarvel.png)
  endforeach()
endif()
if(TARGET zarvel-tty)
  install(TARGETS zarvel-tty RUNTIME DESTINATION ${ZARVEL_GAMES_DIR})
endif()
if(TARGET zarvel-lint)
  install(TARGETS zarvel-lint RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Manual pages and the Debian changelog, compressed with `gzip -9n` (no name
# or time stamp inside, so the same page gives the same bytes).
find_program(GZIP gzip REQUIRED)
set(compressed_dir ${CMAKE_BINARY_DIR}/dist)
set(compressed)
function(zarvel_compress source output)
  add_custom_command(OUTPUT ${compressed_dir}/${output}
    COMMAND ${GZIP} -9nc ${source} > ${compressed_dir}/${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}")
  set(compressed ${compressed} ${compressed_dir}/${output} PARENT_SCOPE)
endfunction()
file(MAKE_DIRECTORY ${compressed_dir}/man1 ${compressed_dir}/man6)
set(pages man1/zarvel-lint.1)
if(TARGET zarvel-tty)
  list(APPEND pages man6/zarvel-tty.6)
endif()
if(TARGET zarvel)
  list(APPEND pages man6/zarvel.6 man6/zarvel-launcher.6)
endif()
foreach(page ${pages})
  get_filename_component(name ${page} NAME)
  get_filename_component(section ${page} DIRECTORY)
  zarvel_compress(${dist}/man/${name} ${page}.gz)
  install(FILES ${compressed_dir}/${page}.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/${section})
endforeach()
zarvel_compress(${dist}/changelog.Debian changelog.Debian.gz)
add_custom_target(zarvel_compressed_docs ALL DEPENDS ${compressed})

install(FILES ${compressed_dir}/changelog.Debian.gz ${dist}/copyright
        DESTINATION ${ZARVEL_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/assets/font/LICENCE.txt
        DESTINATION ${ZARVEL_DOC_DIR} RENAME Ubuntu-Font-Licence.txt)
install(FILES ${CMAKE_SOURCE_DIR}/assets/gfx/DejaVu-LICENCE.txt
        DESTINATION ${ZARVEL_DOC_DIR} RENAME DejaVu-Licence.txt)
# The lintian warnings the package keeps on purpose, each with its reason.
install(FILES ${dist}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME zarvel)
