#pragma once

#include <cstdint>
#include <memory>

#include "world/level.hpp"

class Character;
class Player;

// Cells of the coarse grid are 10 x 10 tiles.
inline constexpr std::int32_t cellTiles = 10;
inline constexpr std::int32_t cellPixels = cellTiles * tileSize;

// Head of an intrusive list of the characters whose position lies in one cell.
struct GridCell {
    Character* head = nullptr;
};

// Where everything finds the current level and player. Owns only its grid.
struct World {
    Level* level = nullptr;
    Player* player = nullptr;
    std::unique_ptr<GridCell[]> cells;  // cell (c, r) is cells[c + cellColumns * r]
    std::int32_t cellColumns = 0;       // meaningful only while cells is set
    std::int32_t cellRows = 0;

    // The process-wide world, created empty on first use and never destroyed.
    static World& instance();
};

// Releases the grid and forgets the level and player; keeps the grid size.
void resetWorld(World& world);

// Sizes and allocates an empty grid for the level; false, changing nothing,
// without a level or a player. Does not release an existing grid.
bool buildCellGrid(World& world);

// Re-files the character for the pixel position it is about to take. Its
// stored position is still the old one during the call.
void moveToCell(World& world, Character& character, std::int32_t newX, std::int32_t newY);

// Takes the character out of the list of the cell of pixel (x, y).
void removeFromCell(World& world, Character& character, std::int32_t x, std::int32_t y);
