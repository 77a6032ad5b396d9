#pragma once

#include <array>
#include <cstdint>

class Character;
struct World;

struct CellOffset {
    int dx;
    int dy;
};

// The player's own cell first, then its eight neighbours row by row.
inline constexpr std::array<CellOffset, 9> neighbourOrder{{
    {0, 0},
    {-1, -1},
    {0, -1},
    {1, -1},
    {-1, 0},
    {1, 0},
    {-1, 1},
    {0, 1},
    {1, 1},
}};

// One frame: the camera on the player, then the 3 x 3 cells around it.
void drawScene(const World& world);

// One cell's front and back tiles, then the World's player sprite.
void drawCell(int cellColumn, int cellRow, std::uint32_t texture);

// The character's current animation frame, mirrored when facing left.
void drawSprite(const Character& character);
