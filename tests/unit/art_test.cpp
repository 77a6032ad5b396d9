// The rules the level and the game's drawing rely on, checked on the real
// compiled-in pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "assets/images.hpp"
#include "assets/level_layers.hpp"
#include "assets/pixel_art.hpp"
#include "render/atlas.hpp"
#include "render/image16.hpp"
#include "render/texture.hpp"

namespace {

constexpr std::uint16_t colour(int red, int green, int blue) {
    return static_cast<std::uint16_t>(0x8000 | red | green << 5 | blue << 10);
}

constexpr std::uint16_t grassBand = colour(21, 24, 6);
constexpr std::uint16_t earthBase = colour(6, 4, 3);
constexpr std::uint16_t lightEarth = colour(14, 10, 7);
constexpr std::uint16_t caveBase = colour(4, 2, 2);
constexpr std::uint16_t darkBlue = colour(2, 8, 16);

std::uint16_t tileTexel(int tile, int x, int y) {
    const AtlasSlot slot = atlasSlot(static_cast<unsigned>(tile));
    return texelWord(tilesetImage, slot.u + x, slot.v + y);
}

int opaqueTexels(int tile) {
    int count = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            count += texelOpaque(tileTexel(tile, x, y)) ? 1 : 0;
        }
    }
    return count;
}

// How many transparent texels a tile shows from (x, y) onwards in steps of
// (dx, dy) before the first opaque one: the depth of its ragged margin there.
int clearRun(int tile, int x, int y, int dx, int dy) {
    int run = 0;
    while (run < 16 && !texelOpaque(tileTexel(tile, x + run * dx, y + run * dy))) {
        ++run;
    }
    return run;
}

int frontTile(int column, int row) { return levelFrontLayer[column + levelColumns * row]; }
bool solid(int column, int row) { return levelSolidLayer[column + levelColumns * row] != 0; }

}  // namespace

TEST(Atlas, SlotsAreSevenToARowAndTheEighthColumnIsEmpty) {
    EXPECT_EQ(atlasSlot(1).u, 0);
    EXPECT_EQ(atlasSlot(1).v, 0);
    EXPECT_EQ(atlasSlot(7).u, 96);
    EXPECT_EQ(atlasSlot(7).v, 0);
    EXPECT_EQ(atlasSlot(8).u, 0);
    EXPECT_EQ(atlasSlot(8).v, 16);
    EXPECT_EQ(atlasSlot(50).u, 0);
    EXPECT_EQ(atlasSlot(50).v, 112);
    EXPECT_EQ(atlasSlot(56).u, 96);
    EXPECT_EQ(atlasSlot(56).v, 112);
    for (unsigned tile = 1; tile <= 56; ++tile) {
        EXPECT_LE(atlasSlot(tile).u + 15, 111) << "tile " << tile;
    }
    for (int v = 0; v < imageSide; ++v) {
        for (int u = 112; u < imageSide; ++u) {
            ASSERT_FALSE(texelOpaque(texelWord(tilesetImage, u, v))) << u << ", " << v;
        }
    }
}

TEST(Atlas, BackdropsAndMiddlePiecesAreSolidThrough) {
    // Sky and cave walls are all that lies behind the level; the middle
    // pieces of the terrain must not let them through.
    for (const int tile : {39, 40, 46, 47, 50, 7,  9,  10, 11, 12, 13, 16, 17, 18, 19, 20,
                           23, 24, 25, 26, 27, 30, 31, 32, 33, 34, 37, 38, 41, 44, 45, 48}) {
        EXPECT_EQ(opaqueTexels(tile), 256) << "tile " << tile;
    }
    // Earth fill is one flat colour; plain earth has no light specks; cave
    // walls are mostly their dark base.
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(tileTexel(7, x, y), earthBase);
            for (const int tile : {31, 32, 33, 38, 45}) {
                EXPECT_NE(tileTexel(tile, x, y), lightEarth) << "tile " << tile;
            }
        }
    }
    for (const int tile : {39, 40, 46, 47}) {
        int base = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                base += tileTexel(tile, x, y) == caveBase ? 1 : 0;
            }
        }
        EXPECT_GT(base, 192) << "tile " << tile;
    }
}

TEST(Atlas, DecorationsAreMostlyClearAndStandOnTheBottomEdge) {
    struct Expected {
        int tile;
        int least;
        int most;
    };
    for (const Expected& e : {Expected{1, 6, 16}, Expected{2, 6, 16}, Expected{3, 6, 16},
                              Expected{4, 6, 16}, Expected{5, 96, 160}, Expected{6, 96, 160},
                              Expected{55, 80, 120}, Expected{56, 80, 120}}) {
        const int count = opaqueTexels(e.tile);
        EXPECT_GE(count, e.least) << "tile " << e.tile;
        EXPECT_LE(count, e.most) << "tile " << e.tile;
        int bottom = 0;
        for (int x = 0; x < 16; ++x) {
            bottom += texelOpaque(tileTexel(e.tile, x, 15)) ? 1 : 0;
        }
        EXPECT_GT(bottom, 0) << "tile " << e.tile << " floats above its cell";
    }
    // The two bush halves meet: the outline is as high, give or take a
    // texel, on both sides of the seam.
    EXPECT_LE(std::abs(clearRun(5, 15, 0, 0, 1) - clearRun(6, 0, 0, 0, 1)), 1);
}

TEST(Atlas, GrassTopsCarryTheBandAlongTheirTopEdge) {
    for (int tile = 8; tile <= 14; ++tile) {
        int band = 0;
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 16; ++x) {
                const std::uint16_t texel = tileTexel(tile, x, y);
                if (texelOpaque(texel)) {
                    EXPECT_EQ(texel, grassBand) << "tile " << tile << " at " << x << ", " << y;
                    ++band;
                }
            }
        }
        const bool end = tile == 8 || tile == 14;
        EXPECT_GE(band, end ? 24 : 32) << "tile " << tile;
    }
    // Bare tops and the earth with a light top edge: a light top row.
    for (const int tile : {16, 17, 18, 19, 20, 23, 27}) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(tileTexel(tile, x, 0), lightEarth) << "tile " << tile;
        }
    }
}

TEST(Atlas, RaggedPiecesContinueEachOtherAcrossTheLevel) {
    // Wherever two ragged pieces meet in the level, their outlines must
    // line up, or the landmass shows a notch at the tile seam.
    const std::set<int> leftEdge{8, 15, 22, 29, 36, 43};
    const std::set<int> rightEdge{14, 21, 28, 35, 42, 49};
    const std::set<int> underEdge{43, 51, 52, 53, 54, 49};
    int joins = 0;
    for (int row = 0; row < levelRows; ++row) {
        for (int column = 0; column < levelColumns; ++column) {
            const int here = frontTile(column, row);
            if (!solid(column, row)) {
                continue;
            }
            if (row + 1 < levelRows && solid(column, row + 1)) {
                const int below = frontTile(column, row + 1);
                if (leftEdge.count(here) != 0 && leftEdge.count(below) != 0) {
                    EXPECT_EQ(clearRun(here, 0, 15, 1, 0), clearRun(below, 0, 0, 1, 0))
                        << "cell " << column << ", " << row;
                    ++joins;
                }
                if (rightEdge.count(here) != 0 && rightEdge.count(below) != 0) {
                    EXPECT_EQ(clearRun(here, 15, 15, -1, 0), clearRun(below, 15, 0, -1, 0))
                        << "cell " << column << ", " << row;
                    ++joins;
                }
            }
            if (column + 1 < levelColumns && solid(column + 1, row)) {
                const int right = frontTile(column + 1, row);
                if (underEdge.count(here) != 0 && underEdge.count(right) != 0) {
                    EXPECT_EQ(clearRun(here, 15, 15, 0, -1), clearRun(right, 0, 15, 0, -1))
                        << "cell " << column << ", " << row;
                    ++joins;
                }
            }
        }
    }
    EXPECT_GT(joins, 20);
}

TEST(Atlas, TheComposedLevelLeavesNoPixelUncovered) {
    // Whatever the back and front layers leave clear shows the black clear
    // colour: every world pixel of the map must be covered by one of them.
    auto covered = [](int x, int y) {
        const int cell = x / 16 + levelColumns * (y / 16);
        for (const int tile : {levelBackLayer[cell], levelFrontLayer[cell]}) {
            if (tile != 0 && texelOpaque(tileTexel(tile, x % 16, y % 16))) {
                return true;
            }
        }
        return false;
    };
    int holes = 0;
    for (int y = 0; y < levelRows * 16; ++y) {
        for (int x = 0; x < levelColumns * 16; ++x) {
            if (!covered(x, y) && ++holes <= 10) {
                ADD_FAILURE() << "hole at world pixel " << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(holes, 0);
}

TEST(Images, UseOnlyTheirOwnColours) {
    const std::set<std::uint16_t> atlasColours{
        colour(6, 4, 3),   colour(10, 6, 4),  colour(14, 10, 7), colour(4, 2, 2),
        colour(21, 24, 6), colour(6, 13, 4),  colour(10, 19, 8), colour(4, 8, 2),
        colour(5, 14, 7),  colour(11, 18, 5), colour(3, 16, 21)};
    const std::set<std::uint16_t> spriteColours{
        colour(2, 1, 2),    colour(24, 22, 27), colour(31, 16, 0), colour(31, 31, 0),
        colour(21, 27, 28), colour(10, 17, 23), darkBlue};
    for (int v = 0; v < imageSide; ++v) {
        for (int u = 0; u < imageSide; ++u) {
            const std::uint16_t atlas = texelWord(tilesetImage, u, v);
            const std::uint16_t sprite = texelWord(playerSpriteSheet, u, v);
            if (texelOpaque(atlas)) {
                EXPECT_EQ(atlasColours.count(atlas), 1U) << "atlas " << u << ", " << v;
            }
            if (texelOpaque(sprite)) {
                EXPECT_EQ(spriteColours.count(sprite), 1U) << "sprite " << u << ", " << v;
            }
        }
    }
    // The darkest green belongs to the bush, the tuft greens to the tufts and
    // the grass of the two grass-top ends.
    const std::set<std::uint16_t> tuftGreens{colour(5, 14, 7), colour(11, 18, 5)};
    for (int tile = 1; tile <= 56; ++tile) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const std::uint16_t texel = tileTexel(tile, x, y);
                if (texel == colour(4, 8, 2)) {
                    EXPECT_TRUE(tile == 5 || tile == 6) << "tile " << tile;
                }
                if (tuftGreens.count(texel) != 0) {
                    EXPECT_TRUE(tile <= 4 || tile == 8 || tile == 14) << "tile " << tile;
                }
            }
        }
    }
    // The dark blue marks two texels of the creature, in every frame.
    for (int frame = 0; frame < 7; ++frame) {
        int count = 0;
        for (int v = 0; v < 27; ++v) {
            for (int u = 16 * frame; u < 16 * frame + 16; ++u) {
                count += texelWord(playerSpriteSheet, u, v) == darkBlue ? 1 : 0;
            }
        }
        EXPECT_EQ(count, 2) << "frame " << frame;
    }
}

TEST(SpriteSheet, FramesKeepTheirPlacesAndPoses) {
    // Nothing opaque outside the seven 16 x 27 frames.
    for (int v = 0; v < imageSide; ++v) {
        for (int u = 0; u < imageSide; ++u) {
            if (v >= 27 || u >= 112) {
                ASSERT_FALSE(texelOpaque(texelWord(playerSpriteSheet, u, v))) << u << ", " << v;
            }
        }
    }
    // Walk frames 1 and 3 are one picture, so the cycle reads stride,
    // together, other stride, together.
    for (int v = 0; v < 27; ++v) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(texelWord(playerSpriteSheet, 16 + x, v),
                      texelWord(playerSpriteSheet, 48 + x, v))
                << x << ", " << v;
        }
    }
    // The feet touch the frame's bottom row, except when falling, which ends
    // one row higher. Every frame shows the figure from its top rows down.
    auto rowUsed = [](int frame, int v) {
        for (int x = 0; x < 16; ++x) {
            if (texelOpaque(texelWord(playerSpriteSheet, 16 * frame + x, v))) {
                return true;
            }
        }
        return false;
    };
    for (int frame = 0; frame < 7; ++frame) {
        const bool falling = frame == 6;
        EXPECT_EQ(rowUsed(frame, 26), !falling) << "frame " << frame;
        EXPECT_TRUE(rowUsed(frame, 25)) << "frame " << frame;
        EXPECT_TRUE(rowUsed(frame, 0) || rowUsed(frame, 1) || rowUsed(frame, 2))
            << "frame " << frame;
    }
    // The poses differ: no two of the six distinct frames are the same.
    auto sameFrame = [](int a, int b) {
        for (int v = 0; v < 27; ++v) {
            for (int x = 0; x < 16; ++x) {
                if (texelWord(playerSpriteSheet, 16 * a + x, v) !=
                    texelWord(playerSpriteSheet, 16 * b + x, v)) {
                    return false;
                }
            }
        }
        return true;
    };
    for (const int a : {0, 1, 2, 4, 5, 6}) {
        for (const int b : {0, 1, 2, 4, 5, 6}) {
            if (a < b) {
                EXPECT_FALSE(sameFrame(a, b)) << "frames " << a << " and " << b;
            }
        }
    }
}

TEST(SpriteSheet, TheHeadHoldsItsHeightThroughTheAirFrames) {
    // Take-off, rising and falling follow each other within one jump: a head
    // drawn at different heights would bob at take-off and at the top. The
    // horn tips and the two dark-blue texels of the face mark the head.
    auto headRows = [](int frame) {
        int top = -1;
        int face = -1;
        for (int v = 0; v < 27; ++v) {
            for (int x = 0; x < 16; ++x) {
                const std::uint16_t texel = texelWord(playerSpriteSheet, 16 * frame + x, v);
                if (top < 0 && texelOpaque(texel)) {
                    top = v;
                }
                if (face < 0 && texel == darkBlue) {
                    face = v;
                }
            }
        }
        return std::pair{top, face};
    };
    EXPECT_EQ(headRows(5), headRows(4));
    EXPECT_EQ(headRows(6), headRows(4));
}

namespace {

// Relative luminance of a texel as the game shows it, and the contrast ratio
// of two texels (1 for equal ones, 21 for black against white).
double luminance(std::uint16_t texel) {
    const auto rgba = expandTexel(texel);
    double sum = 0.0;
    const double weight[3] = {0.2126, 0.7152, 0.0722};
    for (int c = 0; c < 3; ++c) {
        const double value = rgba[c] / 255.0;
        sum +=
            weight[c] * (value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double contrast(std::uint16_t a, std::uint16_t b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace

TEST(SpriteSheet, TheSilhouetteShowsAgainstTheSkyAndTheCaveWall) {
    // The figure runs in front of the bright sky and the near-black cave
    // wall: most texels along its outer edge must stand apart from both,
    // or underground only its head, stripes and feet would show.
    constexpr std::uint16_t sky = colour(3, 16, 21);
    for (int frame = 0; frame < 7; ++frame) {
        auto clear = [frame](int x, int v) {
            return x < 0 || x >= 16 || v < 0 || v >= 27 ||
                   !texelOpaque(texelWord(playerSpriteSheet, 16 * frame + x, v));
        };
        int edge = 0;
        int showsOnSky = 0;
        int showsOnWall = 0;
        for (int v = 0; v < 27; ++v) {
            for (int x = 0; x < 16; ++x) {
                if (clear(x, v) ||
                    !(clear(x - 1, v) || clear(x + 1, v) || clear(x, v - 1) || clear(x, v + 1))) {
                    continue;
                }
                const std::uint16_t texel = texelWord(playerSpriteSheet, 16 * frame + x, v);
                ++edge;
                showsOnSky += contrast(texel, sky) >= 2.0 ? 1 : 0;
                showsOnWall += contrast(texel, caveBase) >= 2.0 ? 1 : 0;
            }
        }
        EXPECT_GE(4 * showsOnSky, 3 * edge) << "frame " << frame;
        EXPECT_GE(2 * showsOnWall, edge) << "frame " << frame;
    }
}

namespace {

ArtOrigin pairOrigin(int number) { return {4 * number, 1}; }
constexpr ArtLayout pairLayout{"block", 1, 2, 3, 2, pairOrigin};

std::string pairArt(const std::string& first, const std::string& second) {
    return "# two small blocks\ncolour a 1 2 3\ncolour B 31 0 31  a label\n\nblock 1 one\n" +
           first + "\nblock 2 two\n" + second + "\n";
}

}  // namespace

TEST(PixelArt, TurnsTextIntoTexelsAndRejectsMalformedText) {
    const Image16 image = imageFromArt(pairArt("a.B\n...\n", "...\n..a\n"), pairLayout);
    EXPECT_EQ(texelWord(image, 4, 1), 0x8000 | 1 | 2 << 5 | 3 << 10);
    EXPECT_EQ(texelWord(image, 5, 1), 0);
    EXPECT_EQ(texelWord(image, 6, 1), 0x8000 | 31 | 31 << 10);
    EXPECT_EQ(texelWord(image, 10, 2), 0x8000 | 1 | 2 << 5 | 3 << 10);
    int opaque = 0;
    for (int v = 0; v < imageSide; ++v) {
        for (int u = 0; u < imageSide; ++u) {
            opaque += texelOpaque(texelWord(image, u, v)) ? 1 : 0;
        }
    }
    EXPECT_EQ(opaque, 3);

    const std::string good = "...\n...\n";
    for (const std::string& bad : {
             pairArt("a.z\n...\n", good),                            // character not in the legend
             pairArt("a.\n...\n", good),                             // short line
             pairArt("a...\n...\n", good),                           // long line
             pairArt("...\n", good),                                 // too few lines
             pairArt("...\n...\n...\n", good),                       // too many lines
             pairArt(good, good) + "block 2 again\n" + good,         // drawn twice
             pairArt(good, good) + "colour a 1 1 1\n",               // legend repeated
             pairArt(good, good) + "colour . 1 1 1\n",               // '.' is transparent
             pairArt(good, good) + "colour q 32 0 0\n",              // not a 5-bit value
             pairArt(good, good) + "blob 1\n",                       // unknown line
             std::string("colour a 1 2 3\n\nblock 1 one\n") + good,  // block 2 missing
             pairArt(good, good) + "block 3 three\n" + good,         // no such block
         }) {
        EXPECT_THROW(imageFromArt(bad, pairLayout), std::invalid_argument) << bad;
    }
}

TEST(PixelArt, ARepeatedBlockCopiesAnEarlierOneTexelForTexel) {
    const std::string head = "colour a 1 2 3\n\n";
    const Image16 image =
        imageFromArt(head + "block 1 one\na.a\n.a.\n\nblock 2 same as 1\n", pairLayout);
    for (int v = 0; v < 2; ++v) {
        for (int u = 0; u < 3; ++u) {
            EXPECT_EQ(texelWord(image, 8 + u, 1 + v), texelWord(image, 4 + u, 1 + v));
        }
    }
    EXPECT_TRUE(texelOpaque(texelWord(image, 9, 2)));

    for (const std::string& bad : {
             head + "block 1 same as 2\n\nblock 2 two\n...\n...\n",  // not drawn yet
             head + "block 1 one\n...\n...\n\nblock 2 same as 2\n",  // itself
             head + "block 1 one\n...\n...\n\nblock 2 same as 7\n",  // no such block
         }) {
        EXPECT_THROW(imageFromArt(bad, pairLayout), std::invalid_argument) << bad;
    }
}
