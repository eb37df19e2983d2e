# SPDX-License-Identifier: MIT
# The Windows package: dicemere.exe with every DLL it needs and nothing more, as an NSIS
# installer (per user, no administrator rights) and a portable zip (scripts/windows-zip, from
# the same files: CPack's zip lists them in the order the file system gives).

install(TARGETS dicemere RUNTIME DESTINATION .)

# Qt: the three modules, the Windows platform plugin and the native style.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# Qt's own translations for the languages the program speaks (Yes and No in the user's
# language), from the build machine's Qt of the same version: .qm files are the same on
# every platform. The program looks for them in translations/ beside itself.
foreach(language ${DICEMERE_LANGUAGES})
  install(FILES ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm
          DESTINATION translations)
endforeach()
# The MinGW-w64 runtime the program and Qt were built with (posix threads), where the
# compiler finds it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  install(FILES ${path} DESTINATION .)
  get_filename_component(dir ${path} DIRECTORY)
  list(APPEND DICEMERE_RUNTIME_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES DICEMERE_RUNTIME_DIRS)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME ${DICEMERE_APP_NAME})
set(CPACK_PACKAGE_VENDOR "${DICEMERE_MAKER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${DICEMERE_APP_NAME}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${DICEMERE_APP_NAME})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_EXECUTABLES dicemere ${DICEMERE_APP_NAME})
# Per user: into the user's own programs folder, without administrator rights; the
# uninstaller is registered for this user (Apps & features).
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
# A 64-bit installer for a 64-bit program (it also runs where no 32-bit code can).
set(CPACK_NSIS_DEFINES "RequestExecutionLevel user\nTarget amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${DICEMERE_ICO})
set(CPACK_NSIS_MUI_UNIICON ${DICEMERE_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME dicemere.exe)
set(CPACK_NSIS_DISPLAY_NAME ${DICEMERE_APP_NAME})
set(CPACK_NSIS_PACKAGE_NAME ${DICEMERE_APP_NAME})
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN dicemere.exe)
# CPack's NSIS template with the per-user install (cmake/NSIS.template.in).
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
# The staged files' dates: SOURCE_DATE_EPOCH, when it is set, rather than the build's time.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/ReproduciblePackage.cmake)
include(CPack)
