// Writes PNG previews of the game's compiled-in pictures, for reviewing the
// art: the tile atlas and the sprite sheet blown up over a checkerboard, a
// strip of the player's seven frames, and the whole level as the game
// composes it. No window, no GL.
//
//   asset_preview OUTPUT_DIRECTORY

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "assets/images.hpp"
#include "assets/level_layers.hpp"
#include "packaging/icons/picture.hpp"
#include "render/atlas.hpp"
#include "render/image16.hpp"

namespace {

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
    constexpr int quadHeight = 26;
    const int left = centreX - standingFrameWidth / 2;
    const int top = centreY - quadHeight / 2;
    for (int row = 0; row < quadHeight; ++row) {
        // Pixel centre (row + 0.5) mapped onto the frame's rows.
        const int texelRow = (2 * row + 1) * standingFrameRows / (2 * quadHeight);
        for (int column = 0; column < standingFrameWidth; ++column) {
            putTexel(picture, left + column, top + row,
                     texelWord(playerSpriteSheet, standingFrameU + column, texelRow));
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
