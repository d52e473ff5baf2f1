# A library made of every .cpp under the given folders (relative to the source
# root), less the sources (relative paths) after EXCLUDE. With no sources yet it
# is an INTERFACE library, so an area can start empty and grow without anyone
# editing the build files.
function(norva_glob_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "EXCLUDE")
  set(srcs)
  foreach(dir IN LISTS arg_UNPARSED_ARGUMENTS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  foreach(src IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM srcs ${CMAKE_SOURCE_DIR}/${src})
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
  endif()
endfunction()

# Link dependencies whatever kind of library norva_glob_library made.
function(norva_link name)
  get_target_property(type ${name} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARGN})
  else()
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# The sources listed in a file (one path a line from the source root; blank
# lines and lines starting with # are skipped), into the variable out.
function(norva_read_source_list file out)
  file(STRINGS ${CMAKE_SOURCE_DIR}/${file} lines)
  set(srcs)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line AND NOT line MATCHES "^#")
      list(APPEND srcs ${line})
    endif()
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${file})
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# Qt targets need moc; plain core targets do not.
function(norva_qt_target name)
  get_target_property(type ${name} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
endfunction()

# One test program per area: every .cpp under tests/<dir>, linked with libs.
# Test cases are found at test time so a Qt test never runs during the build.
function(norva_add_test name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
      NORVA_SOURCE_DIR="${CMAKE_SOURCE_DIR}" NORVA_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${name} PROPERTIES AUTOMOC ON
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 300)
endfunction()
