#include "assets/images.hpp"

#include "assets/pixel_art.hpp"
#include "assets/sprite_art.hpp"
#include "assets/tileset_art.hpp"

// Both pictures are parsed from their text while compiling; a fault in the
// text stops the build and names its line.
constinit const Image16 tilesetImage = imageFromArt(tilesetArt, atlasArtLayout, tilesetArtLine);
constinit const Image16 playerSpriteSheet =
    imageFromArt(playerSpriteArt, spriteArtLayout, playerSpriteArtLine);
