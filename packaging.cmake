# SPDX-License-Identifier: MIT
# Installation and the Debian package.
include(GNUInstallDirs)

set(DICEMERE_APP_ID com.example.Dicemere)
set(res ${PROJECT_SOURCE_DIR}/resources)

install(TARGETS dicemere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${res}/${DICEMERE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${res}/${DICEMERE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${res}/${DICEMERE_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The desktop's bitmap icons, drawn at build time by rendericon.
set(icon_pngs)
foreach(size 48 64 128 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${DICEMERE_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
    COMMAND ${DICEMERE_RENDERICON_RUN} ${size} ${png}
    DEPENDS ${DICEMERE_RENDERICON_DEPENDS}
    COMMENT "Rendering the ${size} px icon")
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pngs})

# Man page, copyright and changelog, compressed the way Debian wants them.
set(man_gz ${CMAKE_CURRENT_BINARY_DIR}/dicemere.1.gz)
set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${man_gz}
  COMMAND gzip -9n -c ${res}/dicemere.1 > ${man_gz}
  DEPENDS ${res}/dicemere.1)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND gzip -9n -c ${res}/changelog > ${changelog_gz}
  DEPENDS ${res}/changelog)
add_custom_target(docs ALL DEPENDS ${man_gz} ${changelog_gz})
install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${res}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dicemere)
install(FILES ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dicemere)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dicemere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Dicemere developers <dev@dicemere.example.com>")
set(CPACK_PACKAGE_VENDOR "The Dicemere developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://dicemere.example.com)
# qt6-wayland: the program runs natively on a Wayland desktop that has no XWayland (and when
# the user asks for it); without the plugin it could not start there at all.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice-based Enochian numerology readings")
set(CPACK_PACKAGE_DESCRIPTION "Dicemere is a small desktop program for dice-based Enochian numerology.
Choose two, three or four dice and cast them one at a time onto a circle:
a die inside the circle counts its face, a die outside counts nothing, and
a die on the border must be cast again.

The dice make a number, and Dicemere shows its reading: a description of
the number, an interpretation, and the stone, totem, herb, essential oil
and flower remedy that belong to it. Certain combinations reach the master
numbers 11 and 22.")
include(CPack)
