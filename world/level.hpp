#pragma once

#include <cstdint>
#include <vector>

// One map cell: front tile in bits 0-6, back tile in bits 7-13, solid in bit
// 14. Tile number 0 means no tile.
using TileWord = std::uint16_t;

constexpr unsigned frontTile(TileWord word) { return word & 0x7FU; }
constexpr unsigned backTile(TileWord word) { return (word >> 7) & 0x7FU; }
constexpr bool solidTile(TileWord word) { return ((word >> 14) & 1U) != 0; }

inline constexpr int tileSize = 16;  // world pixels

// The tile map, row by row: the tile at (column, row) is
// tiles[column + width * row].
struct Level {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<TileWord> tiles;

    // The one 19 x 29 level, packed from its three embedded layers.
    Level();
};

// Only for column < width and row < height.
TileWord tileAt(const Level& level, std::uint16_t column, std::uint16_t row);

// Anything outside the map is solid: a probe that leaves the map meets a wall.
bool isSolid(const Level& level, std::uint16_t column, std::uint16_t row);
