# SPDX-License-Identifier: MIT
# The program's translations: Qt Linguist sources in translations/, compiled into
# the program as :/i18n/dicemere_<language>.qm. `cmake --build build --target
# update_translations` brings them up to date with the code (lupdate);
# scripts/lint-translations checks them.
#
# Included from the directory of the library that carries them (app/): Qt puts
# the .qm files in the binary folder of the directory that makes the call and,
# since Qt 6.7, names them in the resource relative to the target's own binary
# folder. Called anywhere else, the two differ and the translations are
# compiled in under a path nobody looks for.

# The languages the program speaks besides English; the program offers what it carries.
set(DICEMERE_LANGUAGES de es fr pt_BR)
set(DICEMERE_TS_FILES)
foreach(language ${DICEMERE_LANGUAGES})
  list(APPEND DICEMERE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/dicemere_${language}.ts)
endforeach()

# Every source file of the program's own libraries, wherever its room is.
set(translated_sources)
foreach(target dicemere_reading dicemere_core dicemere_ui dicemere_mainwindow dicemere_app)
  get_target_property(dir ${target} SOURCE_DIR)
  get_target_property(files ${target} SOURCES)
  foreach(file ${files})
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${dir})
    cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${file} generated)
    if(NOT generated)
      list(APPEND translated_sources ${file})
    endif()
  endforeach()
endforeach()

# Since Qt 6.7 the call otherwise waits for the end of the project and then
# reads the sources of every target, the tests' too: the sources are named
# here, so it is made at once.
set(immediately)
if(Qt6_VERSION VERSION_GREATER_EQUAL 6.7)
  set(immediately IMMEDIATE_CALL)
endif()
qt_add_translations(dicemere_app ${immediately}
  TS_FILES ${DICEMERE_TS_FILES}
  SOURCES ${translated_sources}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -locations none
  LRELEASE_OPTIONS -silent)
