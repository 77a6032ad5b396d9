// Draws the game's desktop icon at one size as a PNG file.
//
//   torvik_icon SIZE ICON_FILE

#include <cstdio>
#include <cstdlib>

#include "packaging/icon.hpp"

int main(int argc, char** argv) {
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side < 8 || side > 1024) {
        std::fprintf(stderr, "usage: torvik_icon SIZE ICON_FILE (SIZE 8 to 1024)\n");
        return 2;
    }
    return writePng(argv[2], iconPicture(side)) ? 0 : 1;
}
