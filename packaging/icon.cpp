// Draws the game's desktop icon at one size: the player's standing frame on a
// transparent square, each texel a whole number of pixels so that it stays
// crisp. A square smaller than the frame's 27 rows shows every other texel.
//
//   torvik_icon SIZE ICON_FILE

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/images.hpp"
#include "packaging/picture.hpp"
#include "render/image16.hpp"

namespace {

Picture iconPicture(int side) {
    // Pixels per texel when the frame fits, else texels per pixel.
    const int grow = side >= standingFrameRows ? side / standingFrameRows : 1;
    const int shrink = side >= standingFrameRows ? 1 : (standingFrameRows + side - 1) / side;
    const int width = standingFrameWidth * grow / shrink;
    const int height = (standingFrameRows * grow + shrink - 1) / shrink;
    Picture picture = blankPicture(side, side, 4);
    const int left = (side - width) / 2;
    const int top = (side - height) / 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            putTexel(picture, left + x, top + y,
                     texelWord(playerSpriteSheet, standingFrameU + x * shrink / grow,
                               y * shrink / grow));
        }
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side < 8 || side > 1024) {
        std::fprintf(stderr, "usage: torvik_icon SIZE ICON_FILE (SIZE 8 to 1024)\n");
        return 2;
    }
    return writePng(argv[2], iconPicture(side)) ? 0 : 1;
}
