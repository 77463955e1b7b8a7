# Installation and packaging: the validators on the desktop entry, the
# metadata and the manual pages; an install into a scratch prefix (file list,
# --help and --version of the installed programs, the menu launcher); the
# launcher in a real X server; and the Debian package through lintian, under
# its own label "package" (`ctest -L package`, `ctest -LE package`). The
# layout needs the game, so a build without the desktop front end has none
# of them.
if(TARGET zarvel)
  set(install_dir ${CMAKE_CURRENT_LIST_DIR}/../install)
  set(install_expected ${install_dir}/expected-files.txt)

  add_test(NAME install_validate
           COMMAND bash ${install_dir}/validate.sh ${CMAKE_SOURCE_DIR})
  add_test(NAME install_layout_options_launcher
           COMMAND bash ${install_dir}/layout.sh ${CMAKE_BINARY_DIR}
                   ${install_expected})
  add_test(NAME install_launcher_in_x
           COMMAND bash ${install_dir}/launcher_x.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_SOURCE_DIR})
  add_test(NAME package_deb_lintian
           COMMAND bash ${install_dir}/package.sh ${CMAKE_BINARY_DIR}
                   ${install_expected})
  set_tests_properties(install_validate install_layout_options_launcher
                       PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS install)
  set_tests_properties(install_launcher_in_x PROPERTIES SKIP_RETURN_CODE 77
                       TIMEOUT 900
                       LABELS "install;desktop")
  set_tests_properties(package_deb_lintian PROPERTIES SKIP_RETURN_CODE 77
                       TIMEOUT 300 LABELS package)
endif()
