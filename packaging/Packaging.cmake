# Installing the game, its desktop integration and the Debian package.
#
#   cmake --install build --prefix ~/.local     bin/mossmeadow, share/mossmeadow/Data, desktop entry,
#                                               icons, AppStream metainfo and manual page
#   (cd build && cpack -G DEB)                  mossmeadow_<version>_<arch>.deb
#
# The program looks for its Data/ beside itself, else in ../share/mossmeadow: the layout below
# keeps bin/ and share/ side by side, so it is fixed rather than taken from GNUInstallDirs.

set(MOSSMEADOW_DESKTOP_ID org.mossmeadow.Mossmeadow)

# Desktop icons: the media generator paints the window icon's emblem at every hicolor size.
set(MOSSMEADOW_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(OUTPUT ${MOSSMEADOW_ICON_DIR}/.generated
  COMMAND assetgen --icons ${MOSSMEADOW_ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${MOSSMEADOW_ICON_DIR}/.generated
  DEPENDS assetgen
  COMMENT "Painting the desktop icons")

# The manual page, compressed as Debian keeps them.
configure_file(${CMAKE_CURRENT_LIST_DIR}/mossmeadow.6 ${CMAKE_BINARY_DIR}/man/mossmeadow.6 COPYONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/mossmeadow.6.gz
  COMMAND gzip -9 -n -k -f ${CMAKE_BINARY_DIR}/man/mossmeadow.6
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/mossmeadow.6)
add_custom_target(desktop_files ALL DEPENDS ${MOSSMEADOW_ICON_DIR}/.generated ${CMAKE_BINARY_DIR}/man/mossmeadow.6.gz)

install(TARGETS mossmeadow RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Data DESTINATION share/mossmeadow PATTERN .generated EXCLUDE)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MOSSMEADOW_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MOSSMEADOW_DESKTOP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${MOSSMEADOW_ICON_DIR}/hicolor DESTINATION share/icons)
install(FILES ${CMAKE_BINARY_DIR}/man/mossmeadow.6.gz DESTINATION share/man/man6)

# The Debian package. Its library dependencies are read from the program by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mossmeadow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Mossmeadow developers")
set(CPACK_PACKAGE_CONTACT "The Mossmeadow developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "storybook adventure joined to a creature ranch")
set(CPACK_PACKAGE_DESCRIPTION "Inherit Grandma Edda's spiggle ranch, walk the valley, talk to its people, \
gather, trade and breed spiggles into thirteen breeds, and face Adamant.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)

# The installed game, run from another folder, reaches its title and creates a player; the installed
# desktop files pass their validators; the package holds the whole game. The sanitizer build skips
# these (its program is not the one anybody installs).
if(MOSSMEADOW_TESTS AND NOT MOSSMEADOW_SANITIZE)
  add_test(NAME PackagingInstall
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DWORK=${CMAKE_BINARY_DIR}/packaging-test/install
            -DID=${MOSSMEADOW_DESKTOP_ID}
            -P ${CMAKE_CURRENT_LIST_DIR}/install_test.cmake)
  add_test(NAME PackagingDeb
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DWORK=${CMAKE_BINARY_DIR}/packaging-test/deb
            -DCPACK=${CMAKE_CPACK_COMMAND} -DID=${MOSSMEADOW_DESKTOP_ID}
            -P ${CMAKE_CURRENT_LIST_DIR}/deb_test.cmake)
  set_tests_properties(PackagingInstall PackagingDeb PROPERTIES TIMEOUT 300 ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endif()
