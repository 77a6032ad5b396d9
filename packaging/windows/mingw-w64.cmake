# Cross-builds the game for 64-bit Windows with Debian's mingw-w64, in its
# posix-threads variant (std::thread and C11 threads need it).
#   cmake -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64.cmake -B build-windows
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORVIK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TORVIK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TORVIK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TORVIK_MINGW}-windres)
set(CMAKE_OBJDUMP ${TORVIK_MINGW}-objdump)

# Libraries and headers come from the cross sysroot only; programs run here.
set(CMAKE_FIND_ROOT_PATH /usr/${TORVIK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
