# Helpers shared by the project's CMake files.

# Warnings are errors in our own code (never in third-party headers).
# g++ 12 reports -Wrestrict, -Wstringop-overflow and -Warray-bounds falsely on inlined
# std::string and std::vector code at -O2/-O3 (GCC bugs 105329, 106199, 107852), so those
# three checks are left out.
function(norvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror -Wno-restrict
                         -Wno-stringop-overflow -Wno-array-bounds)
endfunction()

# norvane_core_library(name dep... [PRIVATE_HEADERS header...]) builds src/<name>/*.cpp (not
# the ui/ subfolder) into norvane_<name>. A subsystem with no sources yet becomes a header-only
# interface library.
#
# Headers are included as "<name>/<header>.h", but no target sees src/ as a whole: each
# library publishes its public headers through a tree of its own in the build folder,
# include/<name>/<name>/*.h, made of symbolic links to the sources, and everything that links
# the library (its users, and through its PUBLIC dependencies theirs) sees that tree only.
# The headers named after PRIVATE_HEADERS are linked into a second tree,
# include-private/<name>/<name>/, which only the library's own sources and its own tests
# (norvane_private_headers) see; a header of another layer's insides is "not found" at
# compile time. A header is private when nothing outside its library includes it; to use
# one from outside, take it off the list. New headers are public until listed.
set(NORVANE_CORE_TARGETS "" CACHE INTERNAL "")
function(norvane_core_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PRIVATE_HEADERS")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/src/${name}
       ${CMAKE_SOURCE_DIR}/src/${name}/*.h)
  set(deps "")
  foreach(dep IN LISTS arg_UNPARSED_ARGUMENTS)
    list(APPEND deps norvane_${dep})
  endforeach()
  foreach(header IN LISTS arg_PRIVATE_HEADERS)
    if(NOT header IN_LIST headers)
      message(WARNING "norvane_${name}: ${header} is listed as private but is not in src/${name}")
    endif()
  endforeach()

  # Made afresh at every configure so that a header taken off (or put on) the private list,
  # renamed or deleted leaves no stale link behind.
  set(public_root ${CMAKE_BINARY_DIR}/include/${name})
  set(private_root ${CMAKE_BINARY_DIR}/include-private/${name})
  file(REMOVE_RECURSE ${public_root} ${private_root})
  file(MAKE_DIRECTORY ${public_root}/${name} ${private_root}/${name})
  foreach(header IN LISTS headers)
    if(header IN_LIST arg_PRIVATE_HEADERS)
      set(tree ${private_root})
    else()
      set(tree ${public_root})
    endif()
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${name}/${header} ${tree}/${name}/${header} SYMBOLIC)
  endforeach()

  if(sources)
    add_library(norvane_${name} STATIC ${sources})
    target_include_directories(norvane_${name} PUBLIC ${public_root} PRIVATE ${private_root})
    target_link_libraries(norvane_${name} PUBLIC ${deps})
    norvane_warnings(norvane_${name})
  else()
    add_library(norvane_${name} INTERFACE)
    target_include_directories(norvane_${name} INTERFACE ${public_root})
    target_link_libraries(norvane_${name} INTERFACE ${deps})
  endif()
  set(NORVANE_CORE_TARGETS "${NORVANE_CORE_TARGETS};norvane_${name}" CACHE INTERNAL "")
endfunction()

# norvane_private_headers(target name): the tests of norvane_<name> see its private headers.
function(norvane_private_headers target name)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/include-private/${name})
endfunction()

# The core must stay toolkit-free: fail the configure step if any core target links Qt.
function(norvane_check_core_is_qt_free)
  foreach(target IN LISTS NORVANE_CORE_TARGETS)
    if(NOT target)
      continue()
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(libs ${target} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(libs ${target} LINK_LIBRARIES)
    endif()
    if(libs AND "${libs}" MATCHES "Qt[0-9]*::")
      message(FATAL_ERROR "${target} links Qt; the core must stay toolkit-free")
    endif()
  endforeach()
endfunction()
