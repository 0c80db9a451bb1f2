# The same program built for 64-bit Windows, for machines that cannot run 32-bit processes
# and so cannot run the 32-bit build under Wine: the tests then run this build under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)
