#include "world/world.hpp"

#include <cstddef>

#include "characters/character.hpp"
#include "world/level.hpp"

namespace {

// Index into cells of the cell holding pixel (x, y), or -1 when the pixel lies
// outside the grid's area. A pixel left of or above the map counts as outside
// even where truncating division would give cell 0.
std::int32_t cellIndex(const World& world, std::int64_t x, std::int64_t y) {
    if (x < 0 || y < 0) {
        return -1;
    }
    const std::int64_t column = x / cellPixels;
    const std::int64_t row = y / cellPixels;
    if (column >= world.cellColumns || row >= world.cellRows) {
        return -1;
    }
    return static_cast<std::int32_t>(column + world.cellColumns * row);
}

// Takes the character out of whatever list it is in. The cell's head is only
// looked at when the cell lies inside the grid.
void unlink(World& world, Character& character, std::int32_t cell) {
    if (character.cellPrev != nullptr) {
        character.cellPrev->cellNext = character.cellNext;
    }
    if (character.cellNext != nullptr) {
        character.cellNext->cellPrev = character.cellPrev;
    }
    if (cell >= 0 && world.cells[cell].head == &character) {
        world.cells[cell].head = character.cellNext;
    }
}

}  // namespace

World& World::instance() {
    static World world;
    return world;
}

void resetWorld(World& world) {
    world.cells.reset();
    world.level = nullptr;
    world.player = nullptr;
}

bool buildCellGrid(World& world) {
    if (world.level == nullptr || world.player == nullptr) {
        return false;
    }
    world.cellColumns = (world.level->width + cellTiles - 1) / cellTiles;
    world.cellRows = (world.level->height + cellTiles - 1) / cellTiles;
    world.cells = std::make_unique<GridCell[]>(static_cast<std::size_t>(world.cellColumns) *
                                               static_cast<std::size_t>(world.cellRows));
    return true;
}

// A character outside the grid's area is in no list: leaving the area takes it
// out of its cell, entering it files it again. Without a grid nothing happens.
void moveToCell(World& world, Character& character, std::int32_t newX, std::int32_t newY) {
    if (static_cast<Character*>(world.player) == &character || !world.cells) {
        return;
    }
    const std::int32_t oldCell = cellIndex(world, character.x >> 8, character.y >> 8);
    const std::int32_t newCell = cellIndex(world, newX, newY);
    if (oldCell == newCell) {
        return;
    }
    unlink(world, character, oldCell);
    character.cellPrev = nullptr;
    character.cellNext = nullptr;
    if (newCell < 0) {
        return;
    }
    GridCell& cell = world.cells[newCell];
    character.cellNext = cell.head;
    if (cell.head != nullptr) {
        cell.head->cellPrev = &character;
    }
    cell.head = &character;
}

void removeFromCell(World& world, Character& character, std::int32_t x, std::int32_t y) {
    if (static_cast<Character*>(world.player) == &character || !world.cells) {
        return;
    }
    unlink(world, character, cellIndex(world, x, y));
}
