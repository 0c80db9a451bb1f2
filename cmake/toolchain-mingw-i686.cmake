# Cross-build the 32-bit Windows program on Linux with MinGW-w64 and run what the build makes
# under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)
