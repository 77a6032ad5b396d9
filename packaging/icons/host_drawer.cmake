# For a build whose programs cannot run here (the browser's, Windows'): the
# icon drawer as a native project of its own in the build's host-tools/.
# Sets TORVIK_ICON_DRAWER to the program and makes the target
# torvik_host_icon_drawer, which icon-drawing commands depend on.
include(ExternalProject)
set(TORVIK_HOST_BUILD ${CMAKE_BINARY_DIR}/host-tools)
if(CMAKE_GENERATOR MATCHES "Makefiles")
  # A make of its own inside ours, sharing our jobs.
  set(host_build $(MAKE) torvik_icon)
else()
  set(host_build ${CMAKE_COMMAND} --build ${TORVIK_HOST_BUILD} --target torvik_icon)
endif()
# The host's own compiler, not the cross one the environment may name.
ExternalProject_Add(torvik_host_icon_drawer
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${TORVIK_HOST_BUILD}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTORVIK_WARNINGS_AS_ERRORS=${TORVIK_WARNINGS_AS_ERRORS}
  BUILD_COMMAND ${host_build}
  BUILD_BYPRODUCTS ${TORVIK_HOST_BUILD}/torvik_icon
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")
set(TORVIK_ICON_DRAWER ${TORVIK_HOST_BUILD}/torvik_icon)
