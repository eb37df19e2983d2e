# SPDX-License-Identifier: MIT
# What makes a release build the same, bit for bit, whoever builds it and wherever the clone
# is: the compiler writes the folders as "." and "build" rather than as the folders of this
# machine (debug information, __FILE__), and a Windows executable carries no link time.
# The packages' file dates come from SOURCE_DATE_EPOCH (cmake/ReproduciblePackage.cmake).

# GCC uses the last map that matches: the build folder may lie inside the source folder.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                    "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
