# Settings of every Windows target of the cross build, the simulated game's included.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# Statically linked so that the programs run on a plain Windows without extra DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601
                        _WIN32_IE=0x0600)

# Every tarvik.exe (and every test executable) is run through Wine by ctest.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine/run-in-prefix.sh)

