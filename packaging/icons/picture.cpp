#include "packaging/icons/picture.hpp"

#include <cstddef>

#include "render/image16.hpp"

Picture blankPicture(int width, int height, int channels) {
    return {width, height,
            std::vector<std::uint8_t>(static_cast<std::size_t>(channels) * width * height),
            channels};
}

void putPixel(Picture& picture, int x, int y, std::uint8_t red, std::uint8_t green,
              std::uint8_t blue) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) {
        return;
    }
    const auto at = picture.channels * (static_cast<std::size_t>(y) * picture.width + x);
    picture.rgb[at] = red;
    picture.rgb[at + 1] = green;
    picture.rgb[at + 2] = blue;
    if (picture.channels == 4) {
        picture.rgb[at + 3] = 0xFF;
    }
}

void putTexel(Picture& picture, int x, int y, std::uint16_t word) {
    if (!texelOpaque(word)) {
        return;
    }
    const auto rgba = expandTexel(word);
    putPixel(picture, x, y, rgba[0], rgba[1], rgba[2]);
}
