# Shared part of the cross toolchains: Windows with mingw-w64 (posix threads), tests under Wine.
# The per-architecture files set QUORREL_TRIPLE, the processor and the Wine architecture first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUORREL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORREL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORREL_TRIPLE}-windres)
set(CMAKE_ASM_COMPILER ${QUORREL_TRIPLE}-gcc-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORREL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_OBJDUMP ${QUORREL_TRIPLE}-objdump CACHE FILEPATH "")
