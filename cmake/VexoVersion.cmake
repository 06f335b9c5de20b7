# The project's version (project() in CMakeLists.txt) and the day it was
# released: the programs' --version, the manual pages, the AppStream metainfo,
# the package and its changelog all take them from here.
set(VEXO_RELEASE_DATE 2026-12-09)

# vexo_version: the header that gives the programs kVersion.
set(VEXO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/vexo_version.h.in
               ${VEXO_GENERATED_DIR}/vexo_version.h @ONLY)
add_library(vexo_version INTERFACE)
target_include_directories(vexo_version INTERFACE ${VEXO_GENERATED_DIR})
