// Writes the page's icon at one size to standard output as text, for
// web/png.mjs to pack: "WIDTH HEIGHT" on the first line, then a line a row,
// eight hex digits a pixel (red, green, blue, opacity). The desktop's icons
// come from the same drawer; only the packing differs, as libpng is not
// there for the browser's toolchain.
//
//   node app_icon.js SIZE | node png.mjs ICON_FILE

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "packaging/icon.hpp"

int main(int argc, char** argv) {
    const int side = argc == 2 ? std::atoi(argv[1]) : 0;
    if (side < 8 || side > 1024) {
        std::fprintf(stderr, "usage: app_icon SIZE (8 to 1024)\n");
        return 2;
    }
    const Picture picture = iconPicture(side);
    std::printf("%d %d\n", picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const auto at = 4 * (static_cast<std::size_t>(y) * picture.width + x);
            std::printf("%02x%02x%02x%02x", picture.rgb[at], picture.rgb[at + 1],
                        picture.rgb[at + 2], picture.rgb[at + 3]);
        }
        std::printf("\n");
    }
    return 0;
}
