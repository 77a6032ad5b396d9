# Cross-builds the game for Debian's arm64: 64-bit Raspberry Pi OS, the default
# on the Pi 3, 4 and 5.
#   cmake -DCMAKE_TOOLCHAIN_FILE=packaging/cross/arm64.cmake -B build-arm64
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(TORVIK_DEBIAN_ARCHITECTURE arm64)
set(TORVIK_TRIPLET aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/debian_cross.cmake)
