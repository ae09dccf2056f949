# 64-bit Windows: the same sources, for machines that run only 64-bit code (64-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORREL_TRIPLE x86_64-w64-mingw32)
set(QUORREL_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
