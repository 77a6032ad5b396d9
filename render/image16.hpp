#pragma once

#include <array>
#include <cstdint>

// The game's one picture format: 128 x 128 texels of 16 bits, row by row from
// the top, each word stored low byte first. Bits 0-4 red, 5-9 green, 10-14
// blue, bit 15 opaque.
inline constexpr int imageSide = 128;
inline constexpr int imageTexels = imageSide * imageSide;
inline constexpr int imageBytes = 2 * imageTexels;

struct Image16 {
    std::array<std::uint8_t, imageBytes> bytes{};
};

constexpr std::uint16_t texelWord(const Image16& image, int u, int v) {
    const int index = 2 * (u + imageSide * v);
    return static_cast<std::uint16_t>(image.bytes[index] | (image.bytes[index + 1] << 8));
}

constexpr void setTexelWord(Image16& image, int u, int v, std::uint16_t word) {
    const int index = 2 * (u + imageSide * v);
    image.bytes[index] = static_cast<std::uint8_t>(word & 0xFF);
    image.bytes[index + 1] = static_cast<std::uint8_t>(word >> 8);
}

constexpr bool texelOpaque(std::uint16_t word) { return (word & 0x8000) != 0; }

// One texel word as 8-bit red, green, blue, alpha. Each 5-bit channel k
// becomes k * 255 / 31 truncated; alpha is all or nothing. Colour bits of
// transparent texels are converted like any other.
constexpr std::array<std::uint8_t, 4> expandTexel(std::uint16_t word) {
    constexpr auto channel = [](unsigned k) { return static_cast<std::uint8_t>(k * 255 / 31); };
    return {channel(word & 0x1FU), channel((word >> 5) & 0x1FU), channel((word >> 10) & 0x1FU),
            static_cast<std::uint8_t>(texelOpaque(word) ? 255 : 0)};
}
