# 32-bit Windows: the shipped installer. Its programs run under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUORREL_TRIPLE i686-w64-mingw32)
set(QUORREL_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
