# Cross-compiles the 32-bit Windows build with mingw-w64 (posix thread model).
set(PELMO_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
