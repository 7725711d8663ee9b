# Installed layout, as a Debian C library package would lay it out:
#   include/pxxml/...                          headers
#   <libdir>/libpxxml{common,simple}.so.1.0.0  with the SONAME .so.1 and the .so link
#   <libdir>/libpxpresence.so.1.0.0             partial presence (apply, generate, compose)
#   <libdir>/pkgconfig/*.pc                     prefix relative to the .pc file
#   <libdir>/cmake/pxxmlsimple/                 find_package(pxxmlsimple), imported
#                                               targets pxxmlsimple::pxxmlcommon and
#                                               pxxmlsimple::pxxmlsimple, pxxmlsimple::pxpresence
#   bin/pxsimple                                RUNPATH relative to its own location
#   share/doc/pxxmlSimple/LICENSE
# Components: "runtime" (shared objects, tool, licence) and "development"
# (headers, .so links, package files). No installed file refers to the
# source or build tree.
include(CMakePackageConfigHelpers)

set(PX_CMAKE_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/pxxmlsimple)
set(PX_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The path from one install directory to another, for locations computed at
# run time ($ORIGIN) or by pkg-config (${pcfiledir}).
function(px_relative_dir out from to)
  if(IS_ABSOLUTE "${from}" OR IS_ABSOLUTE "${to}")
    message(FATAL_ERROR "pxxmlSimple installs relocatable trees: give relative install directories")
  endif()
  file(RELATIVE_PATH rel "/prefix/${from}" "/prefix/${to}")
  string(REGEX REPLACE "/$" "" rel "${rel}")
  if(rel STREQUAL "")
    set(rel ".")
  endif()
  set(${out} "${rel}" PARENT_SCOPE)
endfunction()

# Libraries carry no RUNPATH: they find each other by SONAME in one
# directory. The tool finds them beside its own installed location.
px_relative_dir(PX_BIN_TO_LIB ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR})
set_target_properties(pxsimple PROPERTIES INSTALL_RPATH "$ORIGIN/${PX_BIN_TO_LIB}")

install(TARGETS pxxmlcommon pxxmlsimple pxpresence EXPORT pxxmlsimpleTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development)
install(TARGETS pxsimple RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/pxxml
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT runtime)

# Dependencies the runtime brings to its users: expat, as long as it is
# linked. Static users need it on the link line; the package files say so.
get_target_property(PX_RUNTIME_LINKS pxxmlcommon LINK_LIBRARIES)
set(PX_PC_COMMON_REQUIRES_PRIVATE "")
set(PX_FIND_DEPENDENCIES "")
if("EXPAT::EXPAT" IN_LIST PX_RUNTIME_LINKS)
  set(PX_PC_COMMON_REQUIRES_PRIVATE "expat")
  string(APPEND PX_FIND_DEPENDENCIES "find_dependency(EXPAT)\n")
endif()
# libpxpresence keeps its documents in pugixml trees.
string(APPEND PX_FIND_DEPENDENCIES "find_dependency(pugixml)\n")

install(EXPORT pxxmlsimpleTargets NAMESPACE pxxmlsimple::
  DESTINATION ${PX_CMAKE_PACKAGE_DIR} COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/pxxmlsimpleConfig.cmake.in
  ${PROJECT_BINARY_DIR}/pxxmlsimpleConfig.cmake INSTALL_DESTINATION ${PX_CMAKE_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/pxxmlsimpleConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/pxxmlsimpleConfig.cmake ${PROJECT_BINARY_DIR}/pxxmlsimpleConfigVersion.cmake
  DESTINATION ${PX_CMAKE_PACKAGE_DIR} COMPONENT development)

px_relative_dir(PX_PC_TO_PREFIX ${PX_PKGCONFIG_DIR} .)
foreach(pc pxxmlcommon pxxmlsimple pxpresence)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${PX_PKGCONFIG_DIR} COMPONENT development)
endforeach()
