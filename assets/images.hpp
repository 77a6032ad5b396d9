#pragma once

#include "render/image16.hpp"

// The tile atlas: 56 tiles of 16 x 16, seven to a slot row.
extern const Image16 tilesetImage;

// The player's seven 16 x 27 frames along the top of the sheet.
extern const Image16 playerSpriteSheet;

// The player's standing frame on the sheet: 16 x 27 texels at the top, the
// second of the seven. The icons, the page's icon and the level picture show it.
inline constexpr int standingFrameU = 16;
inline constexpr int standingFrameWidth = 16;
inline constexpr int standingFrameRows = 27;
