# What Debian's cross toolchains have in common: the compilers named by the
# target's GNU triplet, and the target's libraries installed beside this
# machine's own as multiarch packages (libglfw3-dev:arm64 and the like), found
# under their triplet's folders. Included by the toolchain file of each
# architecture, which sets TORVIK_DEBIAN_ARCHITECTURE and TORVIK_TRIPLET.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_LIBRARY_ARCHITECTURE ${TORVIK_TRIPLET})
set(CMAKE_C_COMPILER ${TORVIK_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TORVIK_TRIPLET}-g++)
# Programs this machine runs (the icon drawer is built for it apart); the
# libraries, headers and CMake packages found are the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
