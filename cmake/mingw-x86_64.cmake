# Cross-compiles the 64-bit Windows build with mingw-w64 (posix thread model).
set(PELMO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
