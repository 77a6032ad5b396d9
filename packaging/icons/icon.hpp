#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "packaging/icons/picture.hpp"

// The game's icon at one size: the player's standing frame on a transparent
// square, each texel a whole number of pixels so that it stays crisp. A
// square smaller than the frame's 27 rows shows every other texel. The
// desktop's icons, torvik.exe's and the page's are all drawn by this.
Picture iconPicture(int side);

// The same frame as an SVG picture, one rectangle a run of one colour along a
// row, padded to a square: the page's icon, crisp at every size.
std::string iconSvg();

// A Windows .ico of the icon at these sides (8 to 256): its directory, then
// each image as a whole PNG file, which Windows reads at every size since
// Vista. Empty when a PNG cannot be made.
std::vector<std::uint8_t> iconIco(const std::vector<int>& sides);
