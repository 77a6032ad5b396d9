#include "render/draw.hpp"

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <utility>

#include "characters/animation.hpp"
#include "characters/character.hpp"
#include "render/atlas.hpp"
#include "render/gl_context.hpp"
#include "render/image16.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

// Layering comes from height, not from drawing order: front tiles nearest the
// eye, then the sprite, then the back tiles.
constexpr int frontHeight = 1;
constexpr int spriteHeight = 0;
constexpr int backHeight = -1;

float texelCoord(int texel) { return static_cast<float>(texel) / static_cast<float>(imageSide); }

// One tile as a quad of its own, corners counter-clockwise on screen so it
// faces the camera. White before every vertex leaves the texels as they are.
void drawTileQuad(unsigned tileNumber, int x, int y, int height) {
    const AtlasSlot slot = atlasSlot(tileNumber);
    const float sLeft = texelCoord(slot.u);
    const float sRight = texelCoord(slot.u + atlasTileTexels);
    const float tTop = texelCoord(slot.v);
    const float tBottom = texelCoord(slot.v + atlasTileTexels);
    glBegin(GL_QUADS);
    glColor3f(1.0F, 1.0F, 1.0F);
    glTexCoord2f(sLeft, tTop);
    glVertex3i(x, height, y);
    glColor3f(1.0F, 1.0F, 1.0F);
    glTexCoord2f(sLeft, tBottom);
    glVertex3i(x, height, y + tileSize);
    glColor3f(1.0F, 1.0F, 1.0F);
    glTexCoord2f(sRight, tBottom);
    glVertex3i(x + tileSize, height, y + tileSize);
    glColor3f(1.0F, 1.0F, 1.0F);
    glTexCoord2f(sRight, tTop);
    glVertex3i(x + tileSize, height, y);
    glEnd();
}

}  // namespace

void drawScene(const World& world) {
    if (!glContextReady() || world.level == nullptr || world.player == nullptr) {
        return;
    }
    // Taken unsigned: a position left of the map becomes a huge pixel x, so
    // every cell is out of range and nothing but the clamped camera remains.
    const std::uint32_t px = world.player->x >> 8;
    const std::uint32_t py = world.player->y >> 8;
    const auto column = static_cast<int>(px / static_cast<std::uint32_t>(cellPixels));
    const auto row = static_cast<int>(py / static_cast<std::uint32_t>(cellPixels));
    setCamera(static_cast<int>(px), static_cast<int>(py));
    for (const CellOffset& offset : neighbourOrder) {
        drawCell(column + offset.dx, row + offset.dy, tilesetTexture());
    }
}

void drawCell(int cellColumn, int cellRow, std::uint32_t texture) {
    const World& world = World::instance();
    if (!glContextReady() || world.level == nullptr) {
        return;
    }
    const Level& level = *world.level;
    // Cells wholly past the map's right or bottom edge, or before its start,
    // draw nothing at all, not even the sprite.
    const std::int64_t firstColumn = std::int64_t{cellTiles} * cellColumn;
    const std::int64_t firstRow = std::int64_t{cellTiles} * cellRow;
    if (cellColumn < 0 || cellRow < 0 || firstColumn >= level.width || firstRow >= level.height) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    for (int i = 0; i < cellTiles; ++i) {
        const auto column = static_cast<int>(firstColumn) + i;
        for (int j = 0; j < cellTiles; ++j) {
            const auto row = static_cast<int>(firstRow) + j;
            // The right-hand and bottom cells reach one tile past the map.
            if (column >= level.width || row >= level.height) {
                continue;
            }
            const TileWord word = level.tiles[static_cast<std::size_t>(column) +
                                              static_cast<std::size_t>(level.width) * row];
            const int x = column * tileSize;
            const int y = row * tileSize;
            if (const unsigned front = frontTile(word); front != 0) {
                drawTileQuad(front, x, y, frontHeight);
            }
            if (const unsigned back = backTile(word); back != 0) {
                drawTileQuad(back, x, y, backHeight);
            }
        }
    }
    if (world.player != nullptr) {
        drawSprite(*world.player);
    }
}

void drawSprite(const Character& character) {
    if (!glContextReady() || character.animation == nullptr) {
        return;
    }
    const AnimFrame& frame = currentFrame(*character.animation);
    const int halfWidth = frame.width >> 1;
    const int halfHeight = frame.height >> 1;
    const auto centreX = static_cast<int>(character.x >> 8);
    const auto centreY = static_cast<int>(character.y >> 8);
    const float tTop = texelCoord(frame.v);
    const float tBottom = texelCoord(frame.v + frame.height);
    float sLeft = texelCoord(frame.u);
    float sRight = texelCoord(frame.u + frame.width);
    if (character.facing == 0) {
        // The sheet's frames face right; facing left shows them mirrored.
        std::swap(sLeft, sRight);
    }
    glBindTexture(GL_TEXTURE_2D, character.texture);
    glBegin(GL_QUADS);
    glColor3f(1.0F, 1.0F, 1.0F);
    glTexCoord2f(sLeft, tTop);
    glVertex3i(centreX - halfWidth, spriteHeight, centreY - halfHeight);
    glTexCoord2f(sLeft, tBottom);
    glVertex3i(centreX - halfWidth, spriteHeight, centreY + halfHeight);
    glTexCoord2f(sRight, tBottom);
    glVertex3i(centreX + halfWidth, spriteHeight, centreY + halfHeight);
    glTexCoord2f(sRight, tTop);
    glVertex3i(centreX + halfWidth, spriteHeight, centreY - halfHeight);
    glEnd();
}
