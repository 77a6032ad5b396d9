#pragma once

// 8-bit pictures of the game's compiled-in art, written as PNG: the icons
// are drawn with these, and so are the developers' art previews.

#include <cstdint>
#include <filesystem>
#include <vector>

// An 8-bit RGB picture, or RGBA when it has transparency of its own.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    int channels = 3;
};

Picture blankPicture(int width, int height, int channels = 3);

// Sets one pixel, opaque; a pixel outside the picture is left alone.
void putPixel(Picture& picture, int x, int y, std::uint8_t red, std::uint8_t green,
              std::uint8_t blue);

// Puts one texel at (x, y) if it is opaque, using the game's own colour expansion.
void putTexel(Picture& picture, int x, int y, std::uint16_t word);

// The picture as the bytes of a PNG file, through libpng; empty if it fails.
std::vector<std::uint8_t> encodePng(const Picture& picture);

// Writes the bytes to a file; says so on stderr when it cannot (or has none).
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Writes the picture as a PNG; says why on stderr when it cannot.
bool writePng(const std::filesystem::path& path, const Picture& picture);
