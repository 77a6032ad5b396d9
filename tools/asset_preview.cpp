// Writes PNG previews of the game's compiled-in pictures, for reviewing the
// art: the tile atlas and the sprite sheet blown up over a checkerboard, a
// strip of the player's seven frames, and the whole level as the game
// composes it. No window, no GL.
//
//   asset_preview OUTPUT_DIRECTORY

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/images.hpp"
#include "assets/level_layers.hpp"
#include "render/atlas.hpp"
#include "render/image16.hpp"
#include "render/texture.hpp"

namespace {

// An 8-bit RGB picture.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

Picture blankPicture(int width, int height) {
    return {width, height, std::vector<std::uint8_t>(3 * static_cast<std::size_t>(width) * height)};
}

void putPixel(Picture& picture, int x, int y, std::uint8_t red, std::uint8_t green,
              std::uint8_t blue) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) {
        return;
    }
    const auto at = 3 * (static_cast<std::size_t>(y) * picture.width + x);
    picture.rgb[at] = red;
    picture.rgb[at + 1] = green;
    picture.rgb[at + 2] = blue;
}

// Puts one texel at (x, y) if it is opaque, using the game's own colour expansion.
void putTexel(Picture& picture, int x, int y, std::uint16_t word) {
    if (!texelOpaque(word)) {
        return;
    }
    const auto rgba = expandTexel(word);
    putPixel(picture, x, y, rgba[0], rgba[1], rgba[2]);
}

// A region of an image, each texel `scale` pixels square, over grey checks two
// texels wide so that transparency shows.
Picture imageRegion(const Image16& image, int u0, int v0, int width, int height, int scale) {
    Picture picture = blankPicture(width * scale, height * scale);
    const int check = 2 * scale;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t grey = ((x / check + y / check) % 2 == 0) ? 0x9C : 0x74;
            putPixel(picture, x, y, grey, grey, grey);
            putTexel(picture, x, y, texelWord(image, u0 + x / scale, v0 + y / scale));
        }
    }
    return picture;
}

// Draws tile `number` with its top-left corner at (x, y); 0 draws nothing.
void drawTile(Picture& picture, unsigned number, int x, int y) {
    if (number == 0) {
        return;
    }
    const AtlasSlot slot = atlasSlot(number);
    for (int row = 0; row < atlasTileTexels; ++row) {
        for (int column = 0; column < atlasTileTexels; ++column) {
            putTexel(picture, x + column, y + row,
                     texelWord(tilesetImage, slot.u + column, slot.v + row));
        }
    }
}

// The player's standing frame at its start position: centre (20, 114), a
// 16 x 26 pixel quad showing the frame's 27 texel rows with nearest sampling,
// as the game draws it.
void drawStandingPlayer(Picture& picture) {
    constexpr int centreX = 20;
    constexpr int centreY = 114;
    constexpr int frameU = 16;
    constexpr int frameWidth = 16;
    constexpr int frameRows = 27;
    constexpr int quadHeight = 26;
    const int left = centreX - frameWidth / 2;
    const int top = centreY - quadHeight / 2;
    for (int row = 0; row < quadHeight; ++row) {
        // Pixel centre (row + 0.5) mapped onto the frame's rows.
        const int texelRow = (2 * row + 1) * frameRows / (2 * quadHeight);
        for (int column = 0; column < frameWidth; ++column) {
            putTexel(picture, left + column, top + row,
                     texelWord(playerSpriteSheet, frameU + column, texelRow));
        }
    }
}

// The level in world pixels: back layer, the player, front layer, over black.
Picture levelPicture() {
    Picture picture = blankPicture(levelColumns * atlasTileTexels, levelRows * atlasTileTexels);
    for (int cell = 0; cell < levelCells; ++cell) {
        drawTile(picture, levelBackLayer[cell], (cell % levelColumns) * atlasTileTexels,
                 (cell / levelColumns) * atlasTileTexels);
    }
    drawStandingPlayer(picture);
    for (int cell = 0; cell < levelCells; ++cell) {
        drawTile(picture, levelFrontLayer[cell], (cell % levelColumns) * atlasTileTexels,
                 (cell / levelColumns) * atlasTileTexels);
    }
    return picture;
}

Picture scaled(const Picture& source, int scale) {
    Picture picture = blankPicture(source.width * scale, source.height * scale);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const auto from = 3 * (static_cast<std::size_t>(y / scale) * source.width + x / scale);
            putPixel(picture, x, y, source.rgb[from], source.rgb[from + 1], source.rgb[from + 2]);
        }
    }
    return picture;
}

bool writePng(const std::filesystem::path& path, const Picture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "asset_preview: cannot write %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::fprintf(stderr, "asset_preview: libpng failed on %s\n", path.c_str());
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        // libpng's row type is non-const, but writing only reads it.
        auto* row = const_cast<std::uint8_t*>(picture.rgb.data()) +
                    3 * static_cast<std::size_t>(y) * picture.width;
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: asset_preview OUTPUT_DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "asset_preview: cannot create %s\n", directory.c_str());
        return 1;
    }

    constexpr int sheetScale = 4;
    constexpr int stripScale = 6;
    constexpr int levelScale = 2;
    constexpr int stripWidth = 7 * 16;
    constexpr int stripHeight = 27;
    const bool written =
        writePng(directory / "atlas.png",
                 imageRegion(tilesetImage, 0, 0, imageSide, imageSide, sheetScale)) &&
        writePng(directory / "sprite_sheet.png",
                 imageRegion(playerSpriteSheet, 0, 0, imageSide, imageSide, sheetScale)) &&
        writePng(directory / "sprites.png",
                 imageRegion(playerSpriteSheet, 0, 0, stripWidth, stripHeight, stripScale)) &&
        writePng(directory / "level.png", scaled(levelPicture(), levelScale));
    if (!written) {
        return 1;
    }
    std::printf("wrote atlas.png, sprite_sheet.png, sprites.png and level.png to %s\n",
                directory.c_str());
    return 0;
}
