#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "characters/character.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

// Something other than the player that the grid does file.
class Stone : public Character {
public:
    void update() override {}
};

void placeAt(Character& c, std::int32_t px, std::int32_t py) {
    c.x = static_cast<std::uint32_t>(px) << 8;
    c.y = static_cast<std::uint32_t>(py) << 8;
}

// Walks a cell's list forwards, checking the back links on the way.
std::vector<Character*> listed(const GridCell& cell) {
    std::vector<Character*> out;
    Character* previous = nullptr;
    for (Character* c = cell.head; c != nullptr; c = c->cellNext) {
        EXPECT_EQ(c->cellPrev, previous);
        out.push_back(c);
        previous = c;
    }
    return out;
}

class Grid : public testing::Test {
protected:
    void SetUp() override {
        playerMotion() = {};
        resetWorld(world);
        player = std::make_unique<Player>();
        world.level = &level;
        world.player = player.get();
        ASSERT_TRUE(buildCellGrid(world));
    }
    void TearDown() override { resetWorld(world); }

    // Files the stone at pixel (px, py) by moving it there from outside the grid.
    void file(Stone& s, std::int32_t px, std::int32_t py) {
        placeAt(s, 1000, 1000);
        moveToCell(world, s, px, py);
        placeAt(s, px, py);
    }

    World& world = World::instance();
    Level level;
    std::unique_ptr<Player> player;
    Stone a, b, c;
};

TEST_F(Grid, IsTwoByThreeEmptyCells) {
    EXPECT_EQ(world.cellColumns, 2);
    EXPECT_EQ(world.cellRows, 3);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(world.cells[i].head, nullptr);
    }
}

TEST_F(Grid, BuildNeedsLevelAndPlayerAndLeavesCellsAlone) {
    GridCell* grid = world.cells.get();
    world.level = nullptr;
    EXPECT_FALSE(buildCellGrid(world));
    world.level = &level;
    world.player = nullptr;
    EXPECT_FALSE(buildCellGrid(world));
    EXPECT_EQ(world.cells.get(), grid);

    resetWorld(world);
    EXPECT_FALSE(buildCellGrid(world));
    EXPECT_EQ(world.cells, nullptr);
    resetWorld(world);  // again, without a grid
    EXPECT_EQ(world.level, nullptr);
    EXPECT_EQ(world.player, nullptr);
    EXPECT_EQ(world.cellColumns, 2);  // the size outlives the grid
    EXPECT_EQ(world.cellRows, 3);
}

TEST_F(Grid, CellBoundariesFallOn160Pixels) {
    file(a, 159, 0);
    EXPECT_EQ(world.cells[0].head, &a);
    moveToCell(world, a, 160, 0);
    EXPECT_EQ(world.cells[1].head, &a);
    EXPECT_EQ(world.cells[0].head, nullptr);

    // The old cell comes from the stored fixed-point position.
    a.x = 40960;
    moveToCell(world, a, 159, 0);
    a.x = 40959;
    EXPECT_EQ(world.cells[0].head, &a);
    moveToCell(world, a, 100, 319);  // same column, row 1
    EXPECT_EQ(world.cells[2].head, &a);
    EXPECT_EQ(world.cells[0].head, nullptr);
}

TEST_F(Grid, MovesRelinkOnlyAcrossCells) {
    file(c, 10, 10);
    file(b, 20, 20);
    file(a, 30, 30);
    ASSERT_EQ(listed(world.cells[0]), (std::vector<Character*>{&a, &b, &c}));

    moveToCell(world, b, 150, 150);  // still cell (0, 0): nothing moves
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&a, &b, &c}));

    moveToCell(world, b, 170, 10);  // middle to cell (1, 0)
    EXPECT_EQ(listed(world.cells[1]), (std::vector<Character*>{&b}));
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&a, &c}));

    removeFromCell(world, a, 30, 30);  // the head
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&c}));
    removeFromCell(world, c, 10, 10);  // the only one
    EXPECT_EQ(world.cells[0].head, nullptr);
}

TEST_F(Grid, UnlinksFromTheMiddle) {
    file(c, 10, 10);
    file(b, 20, 20);
    file(a, 30, 30);
    removeFromCell(world, b, 20, 20);
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&a, &c}));
}

TEST_F(Grid, NeverFilesThePlayer) {
    file(a, 10, 10);
    placeAt(*player, 10, 10);
    moveToCell(world, *player, 200, 200);
    removeFromCell(world, *player, 10, 10);
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&a}));
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(world.cells[i].head, nullptr);
    }
    EXPECT_EQ(player->cellNext, nullptr);
    EXPECT_EQ(player->cellPrev, nullptr);
}

// Beyond the grid a character is in no list: leaving takes it out, coming back
// files it again, and no cell outside the six is touched.
TEST_F(Grid, PositionsOutsideTheGridAreInNoCell) {
    file(b, 10, 10);
    file(a, 20, 20);
    moveToCell(world, a, -1, 20);  // -1 / 160 truncates to 0, but is off the map
    placeAt(a, 0, 20);
    a.x = 0xFFFFFF00U;  // a wrapped position: pixel 16,777,215
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&b}));
    EXPECT_EQ(a.cellNext, nullptr);

    const std::array<std::array<std::int32_t, 2>, 4> outside{
        {{320, 0}, {0, 480}, {-160, 5}, {5, -1}}};
    for (const auto& far : outside) {
        moveToCell(world, a, far[0], far[1]);
        removeFromCell(world, a, far[0], far[1]);
    }
    moveToCell(world, a, 310, 470);  // back in, bottom-right cell
    EXPECT_EQ(world.cells[5].head, &a);
    EXPECT_EQ(listed(world.cells[0]), (std::vector<Character*>{&b}));
}

TEST_F(Grid, WithoutAGridNothingHappens) {
    file(a, 10, 10);
    resetWorld(world);
    moveToCell(world, b, 200, 200);
    removeFromCell(world, a, 10, 10);
    EXPECT_EQ(b.cellNext, nullptr);
    EXPECT_EQ(b.cellPrev, nullptr);
}

}  // namespace
