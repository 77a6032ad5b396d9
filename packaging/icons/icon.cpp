#include "packaging/icons/icon.hpp"

#include <cstddef>
#include <cstdio>

#include "assets/images.hpp"
#include "render/image16.hpp"

Picture iconPicture(int side) {
    // Pixels per texel when the frame fits, else texels per pixel.
    const int grow = side >= standingFrameRows ? side / standingFrameRows : 1;
    const int shrink = side >= standingFrameRows ? 1 : (standingFrameRows + side - 1) / side;
    const int width = standingFrameWidth * grow / shrink;
    const int height = (standingFrameRows * grow + shrink - 1) / shrink;
    Picture picture = blankPicture(side, side, 4);
    const int left = (side - width) / 2;
    const int top = (side - height) / 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            putTexel(picture, left + x, top + y,
                     texelWord(playerSpriteSheet, standingFrameU + x * shrink / grow,
                               y * shrink / grow));
        }
    }
    return picture;
}

namespace {

template <typename... Args>
void appendFormatted(std::string& text, const char* format, Args... args) {
    char line[160];
    const int length = std::snprintf(line, sizeof line, format, args...);
    text.append(line, static_cast<std::size_t>(length));
}

void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::string iconSvg() {
    // Padded to a square, the figure in the middle.
    constexpr double padding = (standingFrameRows - standingFrameWidth) / 2.0;
    std::string svg;
    appendFormatted(svg,
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"%.1f 0 %d %d\" "
                    "shape-rendering=\"crispEdges\">\n",
                    -padding, standingFrameRows, standingFrameRows);
    for (int v = 0; v < standingFrameRows; ++v) {
        int u = 0;
        while (u < standingFrameWidth) {
            const std::uint16_t word = texelWord(playerSpriteSheet, standingFrameU + u, v);
            int run = 1;
            while (u + run < standingFrameWidth &&
                   texelWord(playerSpriteSheet, standingFrameU + u + run, v) == word) {
                ++run;
            }
            if (texelOpaque(word)) {
                const auto rgba = expandTexel(word);
                appendFormatted(
                    svg,
                    "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" fill=\"#%02x%02x%02x\"/>\n",
                    u, v, run, rgba[0], rgba[1], rgba[2]);
            }
            u += run;
        }
    }
    svg += "</svg>\n";
    return svg;
}

std::vector<std::uint8_t> iconIco(const std::vector<int>& sides) {
    std::vector<std::vector<std::uint8_t>> images;
    for (const int side : sides) {
        images.push_back(encodePng(iconPicture(side)));
        if (images.back().empty()) {
            return {};
        }
    }
    std::vector<std::uint8_t> bytes;
    putLittleEndian(bytes, 0, 2);  // reserved
    putLittleEndian(bytes, 1, 2);  // an icon, not a cursor
    putLittleEndian(bytes, static_cast<std::uint32_t>(images.size()), 2);
    std::size_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(sides[i] % 256);  // 256 is written as 0
        putLittleEndian(bytes, side, 1);
        putLittleEndian(bytes, side, 1);
        putLittleEndian(bytes, 0, 1);   // no palette
        putLittleEndian(bytes, 0, 1);   // reserved
        putLittleEndian(bytes, 1, 2);   // planes
        putLittleEndian(bytes, 32, 2);  // bits per pixel
        putLittleEndian(bytes, static_cast<std::uint32_t>(images[i].size()), 4);
        putLittleEndian(bytes, static_cast<std::uint32_t>(offset), 4);
        offset += images[i].size();
    }
    for (const auto& image : images) {
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}
