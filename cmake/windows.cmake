# The Windows half, cross-compiled with mingw-w64: tarvik.exe, quenby32.dll, the Win32 tests.
# A host tool that stamps the PE checksum into tarvik.exe after linking; the program verifies
# it at start-up.
find_program(TARVIK_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(TARVIK_PE_STAMP ${CMAKE_BINARY_DIR}/host/pe-stamp)
add_custom_command(
  OUTPUT ${TARVIK_PE_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND ${TARVIK_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -I${CMAKE_SOURCE_DIR}
          ${CMAKE_SOURCE_DIR}/tools/pe_stamp.cpp ${CMAKE_SOURCE_DIR}/app/pe_checksum.cpp
          -o ${TARVIK_PE_STAMP}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/pe_stamp.cpp ${CMAKE_SOURCE_DIR}/app/pe_checksum.cpp
          ${CMAKE_SOURCE_DIR}/app/pe_checksum.h
  COMMENT "Building the host PE checksum stamper")
add_custom_target(pe_stamp_tool DEPENDS ${TARVIK_PE_STAMP})

add_subdirectory(res)
# windres finds the pictures and the compiled help file through these.
include_directories(${TARVIK_RESOURCE_INCLUDES})
add_subdirectory(quenby32)

# The Win32 shell of every subsystem, except the program's entry point.
set(TARVIK_WIN32_SOURCES)
foreach(subsystem IN LISTS TARVIK_SUBSYSTEMS)
  file(GLOB sources CONFIGURE_DEPENDS ${subsystem}/win32/*.cpp)
  list(APPEND TARVIK_WIN32_SOURCES ${sources})
endforeach()
list(REMOVE_ITEM TARVIK_WIN32_SOURCES ${CMAKE_SOURCE_DIR}/app/win32/winmain.cpp)
add_library(tarvik_win32 STATIC ${TARVIK_WIN32_SOURCES})
target_link_libraries(tarvik_win32 PUBLIC tarvik_core comctl32 comdlg32 gdi32 user32 shell32
                                          advapi32 wininet msimg32 ole32 uuid windowscodecs)
tarvik_warnings(tarvik_win32)

add_executable(tarvik WIN32 app/win32/winmain.cpp ${TARVIK_RESOURCE_SCRIPT})
target_link_libraries(tarvik PRIVATE tarvik_win32)
add_dependencies(tarvik tarvik_resources pe_stamp_tool quenby32)
tarvik_warnings(tarvik)
add_custom_command(TARGET tarvik POST_BUILD COMMAND ${TARVIK_PE_STAMP} $<TARGET_FILE:tarvik>
                   COMMENT "Stamping the PE checksum of tarvik.exe")

# GoogleTest for the Win32 tests, built from the sources Debian ships.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_subdirectory(tests/win32)
add_subdirectory(tests/e2e)
add_subdirectory(tests/perf/win32)
