#pragma once

#include "render/image16.hpp"

// The tile atlas: 56 tiles of 16 x 16, seven to a slot row.
extern const Image16 tilesetImage;

// The player's seven 16 x 27 frames along the top of the sheet.
extern const Image16 playerSpriteSheet;
