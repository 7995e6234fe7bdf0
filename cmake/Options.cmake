# Warnings and sanitizers shared by every target of the project.
add_library(halvenor_options INTERFACE)
target_include_directories(halvenor_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(halvenor_options INTERFACE -Wall -Wextra)
if(HALVENOR_WERROR)
  target_compile_options(halvenor_options INTERFACE -Werror)
endif()

if(HALVENOR_SANITIZE)
  # At -O1 the sanitizers check as much, and the game's long
  # play-throughs run several times faster than unoptimised. Under their
  # instrumentation GCC sees uninitialised uses in the standard library that
  # are not there; the plain build keeps that warning.
  set(_san -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
      -Wno-maybe-uninitialized)
  target_compile_options(halvenor_options INTERFACE ${_san})
  target_link_options(halvenor_options INTERFACE ${_san})
endif()

if(HALVENOR_TSAN)
  if(HALVENOR_SANITIZE OR HALVENOR_FUZZ)
    message(FATAL_ERROR "HALVENOR_TSAN cannot be combined with the address sanitizer builds")
  endif()
  set(_tsan -fsanitize=thread -fno-omit-frame-pointer)
  target_compile_options(halvenor_options INTERFACE ${_tsan})
  target_link_options(halvenor_options INTERFACE ${_tsan})
endif()

if(HALVENOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "HALVENOR_FUZZ needs clang (CXX=clang++)")
  endif()
  set(_fz -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(halvenor_options INTERFACE ${_fz})
  target_link_options(halvenor_options INTERFACE -fsanitize=address,undefined)
endif()

# halvenor_add_library(name sources...): a static library of one subsystem.
# A folder whose sources have not been written yet still gives a library (of
# one empty unit), so that the targets that link it configure.
function(halvenor_add_library name)
  set(sources ${ARGN})
  if(NOT sources)
    set(sources ${PROJECT_BINARY_DIR}/empty_unit.cpp)
    file(WRITE ${sources} "")
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC halvenor_options)
endfunction()
