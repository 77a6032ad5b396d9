# Cross-builds the game for Debian's armhf: 32-bit Raspberry Pi OS, on the
# Pi 2 and later and on the Zero 2.
#   cmake -DCMAKE_TOOLCHAIN_FILE=packaging/cross/armhf.cmake -B build-armhf
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(TORVIK_DEBIAN_ARCHITECTURE armhf)
set(TORVIK_TRIPLET arm-linux-gnueabihf)
include(${CMAKE_CURRENT_LIST_DIR}/debian_cross.cmake)
