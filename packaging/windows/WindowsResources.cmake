# The Windows .exe carries its icon and version: an .ico packed from the
# program's PNG icons, and a resource script filled in with the version.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(quintrela_windows_resources target icon description)
  set(sizes 16 24 32 48 64 128 256)
  set(pictures "")
  foreach(size IN LISTS sizes)
    list(APPEND pictures ${PROJECT_SOURCE_DIR}/assets/icons/${size}x${size}/${icon}.png)
  endforeach()
  set(ico ${CMAKE_CURRENT_BINARY_DIR}/${icon}.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/packaging/windows/make_ico.py ${ico} ${pictures}
    DEPENDS ${pictures} ${PROJECT_SOURCE_DIR}/packaging/windows/make_ico.py VERBATIM)
  set(NAME ${target})
  set(ICON ${ico})
  set(DESCRIPTION ${description})
  set(MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest)
  set(VERSION ${PROJECT_VERSION})
  set(MAJOR ${PROJECT_VERSION_MAJOR})
  set(MINOR ${PROJECT_VERSION_MINOR})
  set(PATCH 0)
  if(PROJECT_VERSION_PATCH)
    set(PATCH ${PROJECT_VERSION_PATCH})
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc ${ico})
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES OBJECT_DEPENDS "${ico};${MANIFEST}")
endfunction()
