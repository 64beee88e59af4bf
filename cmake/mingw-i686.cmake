# Cross-compiling for 32-bit Windows (the shipped program) with MinGW-w64.
set(TAVRIN_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
