// Draws the game's icon for every target: the desktop menus' PNGs, torvik.exe's
// .ico, the page's home-screen PNGs and its SVG favicon. A program for the
// machine that builds, whatever the build is for.
//
//   torvik_icon SIZE ICON_FILE              PNG, 8 to 1024 px
//   torvik_icon --ico ICON_FILE SIZE...     Windows icon of PNG images, 8 to 256 px
//   torvik_icon --svg ICON_FILE             SVG, for the page

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "packaging/icons/icon.hpp"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: torvik_icon SIZE ICON_FILE (SIZE 8 to 1024)\n"
                 "       torvik_icon --ico ICON_FILE SIZE... (SIZE 8 to 256)\n"
                 "       torvik_icon --svg ICON_FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc >= 2 ? argv[1] : "";
    if (first == "--ico" && argc >= 4) {
        std::vector<int> sides;
        for (int i = 3; i < argc; ++i) {
            sides.push_back(std::atoi(argv[i]));
            if (sides.back() < 8 || sides.back() > 256) {
                return usage();
            }
        }
        return writeFile(argv[2], iconIco(sides)) ? 0 : 1;
    }
    if (first == "--svg" && argc == 3) {
        const std::string svg = iconSvg();
        return writeFile(argv[2], std::vector<std::uint8_t>(svg.begin(), svg.end())) ? 0 : 1;
    }
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side < 8 || side > 1024) {
        return usage();
    }
    return writePng(argv[2], iconPicture(side)) ? 0 : 1;
}
