#include "world/level.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

struct Cell {
    std::uint16_t column, row;
    unsigned front, back;
    bool solid;
    TileWord word;
};

TEST(Level, ListedCellsUnpackAndPackAsDrawn) {
    const Level level;
    ASSERT_EQ(level.width, 19);
    ASSERT_EQ(level.height, 29);
    ASSERT_EQ(level.tiles.size(), 551U);
    const std::array<Cell, 6> cells{{{0, 0, 0, 50, false, 0x1900},
                                     {9, 4, 2, 50, false, 0x1902},
                                     {0, 8, 12, 50, true, 0x590C},
                                     {9, 7, 5, 28, true, 0x4E05},
                                     {2, 28, 0, 39, false, 0x1380},
                                     {18, 28, 7, 40, true, 0x5407}}};
    for (const Cell& c : cells) {
        SCOPED_TRACE(testing::Message() << "cell " << c.column << "," << c.row);
        const TileWord word = tileAt(level, c.column, c.row);
        EXPECT_EQ(word, c.word);
        EXPECT_EQ(frontTile(word), c.front);
        EXPECT_EQ(backTile(word), c.back);
        EXPECT_EQ(isSolid(level, c.column, c.row), c.solid);
    }
    EXPECT_EQ(level.tiles.back(), 0x5407);  // (18, 28) is the last element
}

TEST(Level, CountsAndTopBitHoldForTheWholeMap) {
    const Level level;
    int solid = 0;
    int front = 0;
    for (const TileWord word : level.tiles) {
        solid += solidTile(word) ? 1 : 0;
        front += frontTile(word) != 0 ? 1 : 0;
        EXPECT_EQ(word & 0x8000U, 0U);
    }
    EXPECT_EQ(solid, 294);
    EXPECT_EQ(front, 316);
}

TEST(Level, AllOpenCellsFormOneRegion) {
    const Level level;
    std::vector<bool> seen(level.tiles.size(), false);
    std::vector<std::size_t> todo;
    int open = 0;
    for (std::size_t i = 0; i < level.tiles.size(); ++i) {
        open += solidTile(level.tiles[i]) ? 0 : 1;
    }
    todo.push_back(0);  // (0, 0) is open sky
    seen[0] = true;
    int reached = 0;
    while (!todo.empty()) {
        const std::size_t i = todo.back();
        todo.pop_back();
        ++reached;
        const int column = static_cast<int>(i % level.width);
        const int row = static_cast<int>(i / level.width);
        const std::array<std::array<int, 2>, 4> steps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
        for (const auto& step : steps) {
            const int c = column + step[0];
            const int r = row + step[1];
            if (c < 0 || r < 0 || c >= level.width || r >= level.height) {
                continue;
            }
            const auto j = static_cast<std::size_t>(c) + level.width * static_cast<std::size_t>(r);
            if (!seen[j] && !solidTile(level.tiles[j])) {
                seen[j] = true;
                todo.push_back(j);
            }
        }
    }
    EXPECT_EQ(open, 257);
    EXPECT_EQ(reached, 257);
}

TEST(Level, EverythingOutsideTheMapIsSolid) {
    const Level level;
    for (std::uint16_t row = 0; row < 29; ++row) {
        EXPECT_TRUE(isSolid(level, 19, row));
        EXPECT_TRUE(isSolid(level, 65535, row));
    }
    for (std::uint16_t column = 0; column < 19; ++column) {
        EXPECT_TRUE(isSolid(level, column, 29));
        EXPECT_TRUE(isSolid(level, column, 65535));
    }
    EXPECT_FALSE(isSolid(level, 2, 28));  // the shaft's floor is the map's edge
}

}  // namespace
