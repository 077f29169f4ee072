# Helpers shared by the project's CMake files.

# Warnings are errors in our own code (never in third-party headers).
# g++ 12 reports -Wrestrict, -Wstringop-overflow and -Warray-bounds falsely on inlined
# std::string and std::vector code at -O2/-O3 (GCC bugs 105329, 106199, 107852), so those
# three checks are left out.
function(norvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror -Wno-restrict
                         -Wno-stringop-overflow -Wno-array-bounds)
endfunction()

# norvane_core_library(name dep...) builds src/<name>/*.cpp (not the ui/ subfolder) into
# norvane_<name>. A subsystem with no sources yet becomes a header-only interface library.
set(NORVANE_CORE_TARGETS "" CACHE INTERNAL "")
function(norvane_core_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  set(deps "")
  foreach(dep IN LISTS ARGN)
    list(APPEND deps norvane_${dep})
  endforeach()
  if(sources)
    add_library(norvane_${name} STATIC ${sources})
    target_include_directories(norvane_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(norvane_${name} PUBLIC ${deps})
    norvane_warnings(norvane_${name})
  else()
    add_library(norvane_${name} INTERFACE)
    target_include_directories(norvane_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(norvane_${name} INTERFACE ${deps})
  endif()
  set(NORVANE_CORE_TARGETS "${NORVANE_CORE_TARGETS};norvane_${name}" CACHE INTERNAL "")
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
