# The Debian package: `cpack -G DEB` in the build folder writes
# zarvel_0.99-1_amd64.deb from the install rules. CPack is enough for one
# binary package built from this tree (no debian/ folder to keep in step
# with CMake); dpkg-shlibdeps finds the run-time dependencies.
set(CPACK_GENERATOR DEB)
# cpack (and `make install`) package the build as it stands instead of
# building it first: the package test then never relinks a program that
# other tests are running at the same moment. Build, then package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME zarvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zarvel developers")
set(CPACK_PACKAGE_CONTACT "The Zarvel developers <maintainers@zarvel.cz>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech horror text adventure")
# CPack writes the summary as the synopsis and indents these paragraphs.
set(CPACK_PACKAGE_DESCRIPTION "Zarvel is a single-player text adventure in Czech. An insurance clerk is
sent to settle claim number 13, the manor of Zarvel; the player reads a
scrolling console, types short Czech commands, questions the villagers,
hears looping music and keeps up to nine named saved positions.

The package also holds zarvel-tty, the same game in a terminal (for screen
readers and for replaying walkthroughs), and zarvel-lint, a checker of the
adventure's data files for authors.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zarvel.cz/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
