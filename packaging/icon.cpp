#include "packaging/icon.hpp"

#include "assets/images.hpp"
#include "render/image16.hpp"

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
