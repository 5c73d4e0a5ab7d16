# What `cmake --install` puts beside the programs (menu entry, icons, software-centre
# description, README), and the Debian package that `cpack -G DEB` makes of it all. The
# programs, the sound library and the sounds are installed by their own folders.
if(NOT TARGET mizuhane)
  return()
endif()

set(APP_ID ${MIZUHANE_APP_ID})

install(FILES ${CMAKE_SOURCE_DIR}/dist/${APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mizuhane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mizuhane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Mizuhane <mizuhane@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://mizuhane.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shogi game with a Japanese interface")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Play shogi against the computer at three strengths or against a second person at the same "
    "mouse, step through games, give handicaps, and save and replay game records. Includes "
    "mizuhane-usi, the computer player as a USI engine for other shogi programs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link decide the rest of the dependencies; the window font is read
# as a file, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-mincho)
include(CPack)
