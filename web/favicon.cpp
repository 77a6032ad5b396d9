// Writes the page's icon to standard output: the creature's standing frame as
// an SVG picture, one square a texel, so it stays crisp at every size.

#include <cstdint>
#include <cstdio>

#include "assets/images.hpp"
#include "render/image16.hpp"
#include "render/texture.hpp"

int main() {
    // Padded to a square, the figure in the middle.
    constexpr double padding = (standingFrameRows - standingFrameWidth) / 2.0;
    std::printf(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"%.1f 0 %d %d\" "
        "shape-rendering=\"crispEdges\">\n",
        -padding, standingFrameRows, standingFrameRows);
    for (int v = 0; v < standingFrameRows; ++v) {
        // Runs of one colour along a row make one rectangle each.
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
                std::printf(
                    "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"1\" fill=\"#%02x%02x%02x\"/>\n",
                    u, v, run, rgba[0], rgba[1], rgba[2]);
            }
            u += run;
        }
    }
    std::printf("</svg>\n");
    return 0;
}
