# SPDX-License-Identifier: MIT
# Installation and the Debian package.
include(GNUInstallDirs)

set(res ${PROJECT_SOURCE_DIR}/resources)
set(gen ${CMAKE_CURRENT_BINARY_DIR}/resources)

# The release's date as the changelog and the man page write it.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" date_ok "${DICEMERE_RELEASE_DATE}")
if(NOT date_ok)
  message(FATAL_ERROR "DICEMERE_RELEASE_DATE is not YYYY-MM-DD: ${DICEMERE_RELEASE_DATE}")
endif()
# Days since 1970-01-01 (the proleptic Gregorian calendar, March-based years).
set(y ${CMAKE_MATCH_1})
set(m ${CMAKE_MATCH_2})
set(d ${CMAKE_MATCH_3})
if(m LESS_EQUAL 2)
  math(EXPR y "${y} - 1")
  math(EXPR m "${m} + 9")
else()
  math(EXPR m "${m} - 3")
endif()
math(EXPR days "365 * ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + (153 * ${m} + 2) / 5 + ${d} - 1 - 719468")
# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set: set it to that day for a moment.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
math(EXPR epoch "${days} * 86400")
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP DICEMERE_RELEASE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP DICEMERE_RELEASE_MONTH "%B %Y" UTC)
string(TIMESTAMP check "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
if(NOT check STREQUAL DICEMERE_RELEASE_DATE)
  message(FATAL_ERROR "DICEMERE_RELEASE_DATE is not a day: ${DICEMERE_RELEASE_DATE}")
endif()

# The desktop entry, the metainfo, the changelog, the copyright and the man page take the
# names, the version, the date and the maker from the top CMakeLists.txt.
configure_file(${res}/dicemere.desktop.in ${gen}/${DICEMERE_APP_ID}.desktop @ONLY)
configure_file(${res}/dicemere.metainfo.xml.in ${gen}/${DICEMERE_APP_ID}.metainfo.xml @ONLY)
configure_file(${res}/changelog.in ${gen}/changelog @ONLY)
configure_file(${res}/dicemere.1.in ${gen}/dicemere.1 @ONLY)
configure_file(${res}/copyright.in ${gen}/copyright @ONLY)

install(TARGETS dicemere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${gen}/${DICEMERE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${gen}/${DICEMERE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${res}/dicemere.svg RENAME ${DICEMERE_APP_ID}.svg
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
  COMMAND gzip -9n -c ${gen}/dicemere.1 > ${man_gz}
  DEPENDS ${gen}/dicemere.1)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND gzip -9n -c ${gen}/changelog > ${changelog_gz}
  DEPENDS ${gen}/changelog)
add_custom_target(docs ALL DEPENDS ${man_gz} ${changelog_gz})
install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gen}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dicemere)
install(FILES ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dicemere)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dicemere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${DICEMERE_MAKER_CONTACT}")
set(CPACK_PACKAGE_VENDOR "${DICEMERE_MAKER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# qt6-wayland: the program runs natively on a Wayland desktop that has no XWayland (and when
# the user asks for it); without the plugin it could not start there at all.
# qt6-translations-l10n: Qt's own texts (Yes, No, the edit menus) in the user's language; the
# program's own translations are compiled in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${DICEMERE_SUMMARY_PHRASE}")
set(CPACK_PACKAGE_DESCRIPTION "Dicemere is a small desktop program for dice-based Enochian numerology.
Choose two, three or four dice and cast them one at a time onto a circle:
a die inside the circle counts its face, a die outside counts nothing, and
a die on the border must be cast again.

The dice make a number, and Dicemere shows its reading: a description of
the number, an interpretation, and the stone, totem, herb, essential oil
and flower remedy that belong to it. Certain combinations reach the master
numbers 11 and 22.")
# The staged files' dates: SOURCE_DATE_EPOCH, when it is set, rather than the build's time.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ReproduciblePackage.cmake)
include(CPack)
