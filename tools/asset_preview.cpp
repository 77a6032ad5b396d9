// Writes PNG previews of the game's compiled-in pictures, for reviewing the
// art: the tile atlas and the sprite sheet blown up over a checkerboard, a
// strip of the player's seven frames, and the whole level as the game
// composes it. No window, no GL. Also draws the game's desktop icon.
//
//   asset_preview OUTPUT_DIRECTORY
//   asset_preview --icon ICON_FILE

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

// The standing frame on the sprite sheet: the level picture and the icon show it.
constexpr int frameU = 16;
constexpr int frameWidth = 16;
constexpr int frameRows = 27;

// An 8-bit RGB picture, or RGBA when it has transparency of its own.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    int channels = 3;
};

Picture blankPicture(int width, int height, int channels = 3) {
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

// The desktop icon: the standing frame, each texel 2 x 2, centred on a
// transparent 64 x 64 square.
Picture iconPicture() {
    constexpr int side = 64;
    constexpr int scale = 2;
    Picture picture = blankPicture(side, side, 4);
    const int left = (side - scale * frameWidth) / 2;
    const int top = (side - scale * frameRows) / 2;
    for (int y = 0; y < scale * frameRows; ++y) {
        for (int x = 0; x < scale * frameWidth; ++x) {
            putTexel(picture, left + x, top + y,
                     texelWord(playerSpriteSheet, frameU + x / scale, y / scale));
        }
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
                 static_cast<png_uint_32>(picture.height), 8,
                 picture.channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        // libpng's row type is non-const, but writing only reads it.
        auto* row = const_cast<std::uint8_t*>(picture.rgb.data()) +
                    static_cast<std::size_t>(picture.channels) * y * picture.width;
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--icon") {
        return writePng(argv[2], iconPicture()) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: asset_preview OUTPUT_DIRECTORY | --icon ICON_FILE\n");
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
