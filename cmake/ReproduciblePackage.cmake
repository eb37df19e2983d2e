# SPDX-License-Identifier: MIT
# Run by CPack between staging the files and packing them (CPACK_PRE_BUILD_SCRIPTS).
# - When SOURCE_DATE_EPOCH is set (./dev release sets it from the commit's date), every staged
#   file and folder gets that date and the usual permissions, so no package carries the build's
#   time or the builder's umask.
# - For the NSIS installer it writes the File and Delete lines in sorted order
#   (cmake/NSIS.template.in): "File /r" would take them in the order the file system lists them,
#   which differs from one machine to the next.
set(top ${CPACK_TEMPORARY_DIRECTORY})

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND chmod -R u+rwX,go+rX,go-w ${top} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND find ${top} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
                  COMMAND_ERROR_IS_FATAL ANY)
endif()

if(CPACK_GENERATOR STREQUAL "NSIS")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${top} ${top}/*)
  list(SORT files)
  set(install "")
  set(delete "")
  set(dirs "")
  set(current "/")
  foreach(f IN LISTS files)
    get_filename_component(dir "${f}" DIRECTORY)
    string(REPLACE "/" "\\" wf "${f}")
    string(REPLACE "/" "\\" wdir "${dir}")
    if(NOT dir STREQUAL current)
      set(current "${dir}")
      if(NOT dir STREQUAL "")
        string(APPEND install "  SetOutPath \"$INSTDIR\\${wdir}\"\n")
        # The folder and every folder above it.
        while(NOT dir STREQUAL "")
          string(REPLACE "/" "\\" wdir "${dir}")
          list(APPEND dirs "${wdir}")
          get_filename_component(dir "${dir}" DIRECTORY)
        endwhile()
      else()
        string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
      endif()
    endif()
    string(APPEND install "  File \"\${INST_DIR}\\${wf}\"\n")
    string(APPEND delete "  Delete \"$INSTDIR\\${wf}\"\n")
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  # Deepest folders first, so that each is empty when it goes.
  list(SORT dirs ORDER DESCENDING)
  foreach(d IN LISTS dirs)
    string(APPEND delete "  RMDir \"$INSTDIR\\${d}\"\n")
  endforeach()
  set(DICEMERE_NSIS_INSTALL_FILES "${install}")
  set(DICEMERE_NSIS_DELETE_FILES "${delete}")
endif()
