#pragma once

#include <cstdint>
#include <vector>

#include "render/image16.hpp"

// The whole image as 65,536 RGBA bytes in stored order, ready for upload.
std::vector<std::uint8_t> expandImage(const Image16& image);

// Makes one nearest-filtered 128 x 128 texture of the image, writes its name
// into `name`, leaves it bound, and announces it on stdout. Without a GL
// context it only announces, with the name 0.
void decodeTexture(std::uint32_t& name, const Image16& image);

// The tile atlas's texture name, filled once at start-up.
std::uint32_t& tilesetTexture();
