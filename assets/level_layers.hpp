#pragma once

#include <array>
#include <cstdint>

// The one level, 19 tiles across and 29 down, as three byte layers.
inline constexpr int levelColumns = 19;
inline constexpr int levelRows = 29;
inline constexpr int levelCells = levelColumns * levelRows;

extern const std::array<std::uint8_t, levelCells> levelFrontLayer;
extern const std::array<std::uint8_t, levelCells> levelBackLayer;
extern const std::array<std::uint8_t, levelCells> levelSolidLayer;
