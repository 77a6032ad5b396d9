#pragma once

// Where tile number n (1..56) sits on the tile atlas: seven 16 x 16 slots to
// a slot row, so the eighth slot column is never used.
struct AtlasSlot {
    int u;  // left texel column
    int v;  // top texel row
};

inline constexpr int atlasTilesPerRow = 7;
inline constexpr int atlasTileTexels = 16;

constexpr AtlasSlot atlasSlot(unsigned tileNumber) {
    const auto k = static_cast<int>(tileNumber) - 1;
    return {(k % atlasTilesPerRow) * atlasTileTexels, (k / atlasTilesPerRow) * atlasTileTexels};
}
