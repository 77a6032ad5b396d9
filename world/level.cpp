#include "world/level.hpp"

#include <cstddef>

#include "assets/level_layers.hpp"

Level::Level()
    : width(static_cast<std::uint16_t>(levelColumns)),
      height(static_cast<std::uint16_t>(levelRows)),
      tiles(static_cast<std::size_t>(levelCells), TileWord{0}) {
    const auto columns = static_cast<std::size_t>(levelColumns);
    const auto rows = static_cast<std::size_t>(levelRows);
    for (std::size_t column = 0; column < columns; ++column) {
        for (std::size_t row = 0; row < rows; ++row) {
            const std::size_t i = column + columns * row;
            // Only the low seven bits of a tile number fit its field; bit 15 stays clear.
            const unsigned front = levelFrontLayer[i] & 0x7FU;
            const unsigned back = levelBackLayer[i] & 0x7FU;
            const unsigned solid = levelSolidLayer[i] != 0 ? 1U : 0U;
            tiles[i] = static_cast<TileWord>(front | (back << 7) | (solid << 14));
        }
    }
}

TileWord tileAt(const Level& level, std::uint16_t column, std::uint16_t row) {
    return level
        .tiles[static_cast<std::size_t>(column) + static_cast<std::size_t>(level.width) * row];
}

bool isSolid(const Level& level, std::uint16_t column, std::uint16_t row) {
    if (column >= level.width || row >= level.height) {
        return true;
    }
    return solidTile(tileAt(level, column, row));
}
