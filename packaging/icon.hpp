#pragma once

#include "packaging/picture.hpp"

// The game's icon at one size: the player's standing frame on a transparent
// square, each texel a whole number of pixels so that it stays crisp. A
// square smaller than the frame's 27 rows shows every other texel. The
// desktop's icons and the page's are all drawn by this.
Picture iconPicture(int side);
