#include "assets/images.hpp"

// Placeholder until the art lands: fully transparent.
const Image16 tilesetImage{};
const Image16 playerSpriteSheet{};
