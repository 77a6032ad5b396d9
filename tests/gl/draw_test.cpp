#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "characters/animation.hpp"
#include "characters/character.hpp"
#include "render/atlas.hpp"
#include "render/draw.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "tests/gl/gl_window.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

constexpr int tileMarker = 20;    // blue channel of every synthetic tile texel
constexpr int spriteMarker = 31;  // blue channel of every synthetic sprite texel

// Every tile of this atlas is one flat opaque colour that names its number.
Image16 numberedAtlas() {
    Image16 image;
    for (unsigned n = 1; n <= 56; ++n) {
        const AtlasSlot slot = atlasSlot(n);
        for (int v = slot.v; v < slot.v + 16; ++v) {
            for (int u = slot.u; u < slot.u + 16; ++u) {
                setTexelWord(
                    image, u, v,
                    opaqueWord(static_cast<int>(n % 32), static_cast<int>(n / 32), tileMarker));
            }
        }
    }
    return image;
}

// A 16 x 27 frame in the sheet's top-left corner whose texels name their own
// column (red) and row (green).
Image16 numberedSpriteSheet() {
    Image16 image;
    for (int v = 0; v < 27; ++v) {
        for (int u = 0; u < 16; ++u) {
            setTexelWord(image, u, v, opaqueWord(u, v, spriteMarker));
        }
    }
    return image;
}

// What a pixel of the synthetic images shows.
struct Seen {
    enum Kind : std::uint8_t { nothing, tile, sprite, other } kind;
    int a;  // tile number, or the sprite texel's column
    int b;  // the sprite texel's row
    bool operator==(const Seen&) const = default;
};

Seen seenAt(int x, int yFromTop) {
    const Rgb rgb = pixelAt(x, yFromTop);
    const int red = channel5(rgb[0]);
    const int green = channel5(rgb[1]);
    const int blue = channel5(rgb[2]);
    if (rgb == Rgb{0, 0, 0}) {
        return {Seen::nothing, 0, 0};
    }
    if (blue == tileMarker) {
        return {Seen::tile, red + 32 * green, 0};
    }
    if (blue == spriteMarker) {
        return {Seen::sprite, red, green};
    }
    return {Seen::other, red, green};
}

Seen tileSeen(int n) { return {Seen::tile, n, 0}; }
constexpr Seen nothingSeen{Seen::nothing, 0, 0};

// One quad as OpenGL passed it on to the rasteriser, in world pixels.
struct DrawnQuad {
    int left;
    int right;
    int top;
    int bottom;
    int height;  // front +1, sprite 0, back -1
    float sLeft;
    float sRight;
    float tTop;
    float tBottom;
    bool white;
};

// Everything drawn by `draw` that survives culling, in drawing order, seen
// through a projection wide enough to hold the whole map around the camera.
// Each quad reaches the feedback buffer as two triangles.
std::vector<DrawnQuad> captureQuads(const std::function<void()>& draw) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1024.0, 1024.0, -768.0, 768.0, viewNear, viewFar);
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflow";

    // Where the camera went, to turn window positions back into world pixels.
    std::array<GLfloat, 16> modelView{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    const float centreX = -modelView[12];
    const float centreY = modelView[13];
    onWindowResize(testWindowWidth, testWindowHeight);

    struct Vertex {
        float x, y, z, red, green, blue, alpha, s, t;
    };
    std::vector<Vertex> vertices;
    for (GLint i = 0; i < used;) {
        const auto token = static_cast<GLint>(buffer[static_cast<std::size_t>(i++)]);
        EXPECT_EQ(token, GL_POLYGON_TOKEN);
        const auto count = static_cast<GLint>(buffer[static_cast<std::size_t>(i++)]);
        EXPECT_EQ(count, 3);
        for (GLint k = 0; k < count; ++k, i += 11) {
            const GLfloat* f = &buffer[static_cast<std::size_t>(i)];
            // Window x grows right and y up at a quarter pixel per world pixel.
            vertices.push_back({4.0F * f[0] - 1024.0F + centreX, centreY - (4.0F * f[1] - 768.0F),
                                f[2], f[3], f[4], f[5], f[6], f[7], f[8]});
        }
    }
    std::vector<DrawnQuad> quads;
    for (std::size_t q = 0; q + 6 <= vertices.size(); q += 6) {
        const auto first = vertices.begin() + static_cast<std::ptrdiff_t>(q);
        const auto last = first + 6;
        const auto [minX, maxX] = std::minmax_element(
            first, last, [](const Vertex& a, const Vertex& b) { return a.x < b.x; });
        const auto [minY, maxY] = std::minmax_element(
            first, last, [](const Vertex& a, const Vertex& b) { return a.y < b.y; });
        const bool white = std::all_of(first, last, [](const Vertex& v) {
            return v.red == 1.0F && v.green == 1.0F && v.blue == 1.0F && v.alpha == 1.0F;
        });
        // Window depth 0..1 spans distances 100..1500 below an eye at 830.
        const float distance =
            first->z * static_cast<float>(viewFar - viewNear) + static_cast<float>(viewNear);
        quads.push_back(
            {static_cast<int>(std::lround(minX->x)), static_cast<int>(std::lround(maxX->x)),
             static_cast<int>(std::lround(minY->y)), static_cast<int>(std::lround(maxY->y)),
             static_cast<int>(std::lround(830.0F - distance)), minX->s, maxX->s, minY->t, maxY->t,
             white});
    }
    EXPECT_EQ(vertices.size() % 6, 0U);
    return quads;
}

// The tile number a quad's texture corner selects.
int tileNumberOf(const DrawnQuad& quad) {
    const int u = static_cast<int>(std::lround(quad.sLeft * 128.0F));
    const int v = static_cast<int>(std::lround(quad.tTop * 128.0F));
    return (v / 16) * 7 + u / 16 + 1;
}

class Drawing : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        static const std::uint32_t atlas = uploadImage(numberedAtlas());
        static const std::uint32_t sheet = uploadImage(numberedSpriteSheet());
        tilesetTexture() = atlas;
        player = std::make_unique<Player>();
        player->texture = sheet;
        player->animation = &animation;
        World& world = World::instance();
        world.level = level.get();
        world.player = player.get();
    }

    void TearDown() override {
        // Gone while the World still names it, as at shutdown.
        player.reset();
        GlTest::TearDown();
    }

    void useLevel(std::unique_ptr<Level> newLevel) {
        level = std::move(newLevel);
        World::instance().level = level.get();
    }

    void placePlayer(int px, int py) {
        player->x = static_cast<std::uint32_t>(px) << 8;
        player->y = static_cast<std::uint32_t>(py) << 8;
    }

    void drawFrame() {
        clearFrame();
        drawScene(World::instance());
    }

    AnimFrame frame{0, 0, 16, 27, 13};
    std::array<AnimFrame*, 1> frames{&frame};
    Animation animation{frames.data(), 1, 0, 0};
    std::unique_ptr<Level> level = blankLevel(19, 29);
    std::unique_ptr<Player> player;
};

// Window pixel of a world pixel's top-left corner, camera on (cx, cy), 512 x 384.
int windowX(int worldX, int cameraX) { return 2 * (worldX - cameraX + 128); }
int windowY(int worldY, int cameraY) { return 2 * (worldY - cameraY + 96); }

std::array<float, 2> cameraCentre() {
    std::array<GLfloat, 16> modelView{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    return {-modelView[12], modelView[13]};
}

TEST_F(Drawing, CameraKeepsTheViewInsideTheMap) {
    useLevel(std::make_unique<Level>());
    struct Case {
        int px, py, x, y;
    };
    const std::array<Case, 8> cases{{
        {0, 0, 128, 96},
        {1000, 1000, 176, 368},
        {150, 200, 150, 200},
        {128, 96, 128, 96},
        {176, 368, 176, 368},
        {129, 97, 129, 97},
        {177, 369, 176, 368},
        {-5, 500, 128, 368},
    }};
    for (const Case& c : cases) {
        setCamera(c.px, c.py);
        EXPECT_EQ(cameraCentre(),
                  (std::array<float, 2>{static_cast<float>(c.x), static_cast<float>(c.y)}))
            << c.px << ", " << c.py;
    }
    // The size is read afresh each frame, and the far edge is only tested when
    // the near one did not apply: a map narrower than the view stays at 128.
    useLevel(blankLevel(10, 8));
    setCamera(0, 0);
    EXPECT_EQ(cameraCentre(), (std::array<float, 2>{128.0F, 96.0F}));
    setCamera(200, 200);
    EXPECT_EQ(cameraCentre(), (std::array<float, 2>{32.0F, 32.0F}));
}

TEST_F(Drawing, StartViewIsClampedAcrossAndFollowsThePlayerDown) {
    // Distinct tiles at the corners of what should be on screen, and one just
    // past its right edge.
    auto map = blankLevel(19, 29);
    map->tiles[0 + 19 * 1] = 1;   // world x 0..15, y 16..31
    map->tiles[15 + 19 * 1] = 2;  // x 240..255
    map->tiles[16 + 19 * 1] = 3;  // x 256..271, off screen
    map->tiles[0 + 19 * 13] = 4;  // y 208..223: only its top two pixels show
    useLevel(std::move(map));
    placePlayer(20, 114);
    drawFrame();
    saveScreenshot("start_view");

    EXPECT_EQ(cameraCentre(), (std::array<float, 2>{128.0F, 114.0F}));
    // World y 18 is the top row of the window.
    EXPECT_EQ(seenAt(0, 0), tileSeen(1));
    EXPECT_EQ(seenAt(31, 27), tileSeen(1));
    EXPECT_EQ(seenAt(0, 28), nothingSeen);
    EXPECT_EQ(seenAt(32, 0), nothingSeen);
    EXPECT_EQ(seenAt(480, 0), tileSeen(2));
    EXPECT_EQ(seenAt(511, 27), tileSeen(2));
    EXPECT_EQ(seenAt(0, 380), tileSeen(4));
    EXPECT_EQ(seenAt(0, 379), nothingSeen);
    const std::vector<std::uint8_t> frameBytes = readFrame(testWindowWidth, testWindowHeight);
    for (std::size_t i = 0; i < frameBytes.size(); i += 3) {
        ASSERT_FALSE(channel5(frameBytes[i]) == 3 && channel5(frameBytes[i + 2]) == tileMarker)
            << "a tile past the view's right edge shows";
    }
}

TEST_F(Drawing, SpriteLandsOnItsPositionAndMirrorsFacingLeft) {
    placePlayer(20, 114);
    const int left = windowX(12, 128);   // 24
    const int right = windowX(28, 128);  // 56
    const int top = windowY(101, 114);   // 166
    const int bottom = windowY(127, 114);
    for (const int facing : {1, 0}) {
        player->facing = static_cast<std::uint8_t>(facing);
        drawFrame();
        saveScreenshot(facing == 1 ? "sprite_right" : "sprite_left");
        const int leftColumn = facing == 1 ? 0 : 15;
        const int rightColumn = 15 - leftColumn;
        EXPECT_EQ(seenAt(left, top), (Seen{Seen::sprite, leftColumn, 0})) << facing;
        EXPECT_EQ(seenAt(right - 1, top), (Seen{Seen::sprite, rightColumn, 0})) << facing;
        EXPECT_EQ(seenAt(left, bottom - 1), (Seen{Seen::sprite, leftColumn, 26})) << facing;
        EXPECT_EQ(seenAt(left - 1, top), nothingSeen);
        EXPECT_EQ(seenAt(right, top), nothingSeen);
        EXPECT_EQ(seenAt(left, top - 1), nothingSeen);
        EXPECT_EQ(seenAt(left, bottom), nothingSeen);
    }

    // The exact corners and texture edges: 16 x 27 texels on a 16 x 26 quad.
    for (const int facing : {1, 0}) {
        player->facing = static_cast<std::uint8_t>(facing);
        setCamera(128, 114);
        const auto quads = captureQuads([&] { drawSprite(*player); });
        ASSERT_EQ(quads.size(), 1U);
        const DrawnQuad& q = quads[0];
        EXPECT_EQ(std::tie(q.left, q.right, q.top, q.bottom, q.height),
                  std::make_tuple(12, 28, 101, 127, 0));
        EXPECT_EQ(q.tTop, 0.0F);
        EXPECT_EQ(q.tBottom, 0.2109375F);
        EXPECT_EQ(q.sLeft, facing == 1 ? 0.0F : 0.125F);
        EXPECT_EQ(q.sRight, facing == 1 ? 0.125F : 0.0F);
        EXPECT_TRUE(q.white);
    }

    player->animation = nullptr;
    EXPECT_TRUE(captureQuads([&] { drawSprite(*player); }).empty());
}

TEST_F(Drawing, NearerOpaqueTexelsHideWhatLiesBehindThem) {
    // Front tile 1: left half opaque red. Back tile 2: top half opaque green.
    // Sprite: its top 13 texel rows opaque blue. The rest is transparent.
    Image16 atlas;
    Image16 sheet;
    for (int v = 0; v < 16; ++v) {
        for (int u = 0; u < 8; ++u) {
            setTexelWord(atlas, u, v, opaqueWord(31, 0, 0));
        }
    }
    for (int v = 0; v < 8; ++v) {
        for (int u = 16; u < 32; ++u) {
            setTexelWord(atlas, u, v, opaqueWord(0, 31, 0));
        }
    }
    for (int v = 0; v < 13; ++v) {
        for (int u = 0; u < 16; ++u) {
            setTexelWord(sheet, u, v, opaqueWord(0, 0, 31));
        }
    }
    static const std::uint32_t atlasName = uploadImage(atlas);
    static const std::uint32_t sheetName = uploadImage(sheet);
    tilesetTexture() = atlasName;
    player->texture = sheetName;

    // The tile at column 1, row 6 covers world x 16..31, y 96..111; the sprite
    // x 12..27, y 101..126.
    level->tiles[1 + 19 * 6] = static_cast<TileWord>(1 | (2 << 7));
    placePlayer(20, 114);
    drawFrame();
    saveScreenshot("layering");

    const auto at = [](int worldX, int worldY) {
        return pixelAt(windowX(worldX, 128) + 1, windowY(worldY, 114) + 1);
    };
    const Rgb red{255, 0, 0};
    const Rgb green{0, 255, 0};
    const Rgb blue{0, 0, 255};
    const Rgb black{0, 0, 0};
    EXPECT_EQ(at(20, 102), red) << "front over sprite and back";
    EXPECT_EQ(at(20, 108), red) << "front over sprite";
    EXPECT_EQ(at(26, 102), blue) << "sprite over back";
    EXPECT_EQ(at(29, 100), green) << "back through transparent front";
    EXPECT_EQ(at(26, 108), blue) << "sprite through transparent front";
    EXPECT_EQ(at(29, 108), black) << "all transparent";
    EXPECT_EQ(at(20, 122), black) << "transparent sprite over nothing";
}

TEST_F(Drawing, OnlyCounterClockwiseQuadsSurvive) {
    setCamera(128, 96);
    glBindTexture(GL_TEXTURE_2D, tilesetTexture());
    const auto quad = [](int x0, int y0, const std::array<int, 4>& order) {
        const std::array<std::array<int, 2>, 4> corners{
            {{x0, y0}, {x0, y0 + 16}, {x0 + 16, y0 + 16}, {x0 + 16, y0}}};
        glBegin(GL_QUADS);
        glColor3f(1.0F, 1.0F, 1.0F);
        for (const int corner : order) {
            // Tile 1's texels wherever the corner lies.
            glTexCoord2f(corners[corner][0] == x0 ? 0.0F : 0.125F,
                         corners[corner][1] == y0 ? 0.0F : 0.125F);
            glVertex3i(corners[corner][0], 0, corners[corner][1]);
        }
        glEnd();
    };
    quad(32, 32, {0, 1, 2, 3});  // top-left, bottom-left, bottom-right, top-right
    quad(96, 32, {0, 3, 2, 1});  // top-left, top-right, bottom-right, bottom-left
    EXPECT_EQ(seenAt(windowX(40, 128), windowY(40, 96)), tileSeen(1));
    EXPECT_EQ(seenAt(windowX(104, 128), windowY(40, 96)), nothingSeen);
}

// The tiles and sprites drawScene should issue, cell by cell in the given
// order, from the level's words.
std::vector<std::tuple<int, int, int, int>> expectedQuads(
    const Level& level, const std::vector<std::array<int, 2>>& cells, int spriteX, int spriteY) {
    std::vector<std::tuple<int, int, int, int>> quads;
    for (const auto& [cx, cy] : cells) {
        for (int column = 10 * cx; column < 10 * cx + 10; ++column) {
            for (int row = 10 * cy; row < 10 * cy + 10; ++row) {
                if (column >= level.width || row >= level.height) {
                    continue;
                }
                const TileWord word = level.tiles[column + level.width * row];
                if (frontTile(word) != 0) {
                    quads.emplace_back(16 * column, 16 * row, 1, frontTile(word));
                }
                if (backTile(word) != 0) {
                    quads.emplace_back(16 * column, 16 * row, -1, backTile(word));
                }
            }
        }
        quads.emplace_back(spriteX - 8, spriteY - 13, 0, 0);
    }
    return quads;
}

TEST_F(Drawing, SceneVisitsTheCellsAroundThePlayerInOrder) {
    useLevel(std::make_unique<Level>());
    const auto drawn = [&] {
        std::vector<std::tuple<int, int, int, int>> quads;
        for (const DrawnQuad& q : captureQuads([] { drawScene(World::instance()); })) {
            EXPECT_TRUE(q.white);
            EXPECT_EQ(q.right - q.left, 16);
            EXPECT_EQ(q.bottom - q.top, q.height == 0 ? 26 : 16);
            quads.emplace_back(q.left, q.top, q.height, q.height == 0 ? 0 : tileNumberOf(q));
        }
        return quads;
    };

    // At the start, in cell (0, 0): the five offsets with a -1 are skipped.
    placePlayer(20, 114);
    auto quads = drawn();
    EXPECT_EQ(std::count_if(quads.begin(), quads.end(),
                            [](const auto& q) { return std::get<2>(q) == 0; }),
              4);
    EXPECT_EQ(quads, expectedQuads(*level, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, 20, 114));

    // In cell (1, 1): column 2 lies past the map; tile column 19 and row 29
    // are never drawn.
    placePlayer(200, 300);
    quads = drawn();
    EXPECT_EQ(quads,
              expectedQuads(*level, {{1, 1}, {0, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 2}}, 200, 300));
    EXPECT_GT(quads.size(), 100U);
    for (const auto& q : quads) {
        EXPECT_LT(std::get<0>(q), 304);
        EXPECT_LT(std::get<1>(q), 464);
    }

    // Left of the map the pixel x, taken unsigned, is huge: nothing is drawn
    // and the camera rests at its right-hand clamp.
    player->x = static_cast<std::uint32_t>(-256);
    EXPECT_TRUE(drawn().empty());
    setCamera(static_cast<int>(player->x >> 8), 114);
    EXPECT_EQ(cameraCentre(), (std::array<float, 2>{176.0F, 114.0F}));
}

TEST_F(Drawing, TileQuadsShowTheirAtlasSlotAtTheirHeight) {
    auto map = blankLevel(5, 1);
    map->tiles = {static_cast<TileWord>(1 | (7 << 7)), 8, static_cast<TileWord>(56 << 7), 0,
                  static_cast<TileWord>(0x4000)};
    useLevel(std::move(map));
    player->animation = nullptr;
    setCamera(128, 96);
    const auto quads = captureQuads([] { drawCell(0, 0, tilesetTexture()); });
    ASSERT_EQ(quads.size(), 4U);
    struct Expected {
        int x, height;
        float s, t;
    };
    const std::array<Expected, 4> expected{{
        {0, 1, 0.0F, 0.0F},                   // 1, in front
        {0, -1, 96.0F / 128, 0.0F},           // 7, behind the same spot
        {16, 1, 0.0F, 16.0F / 128},           // 8 starts the second slot row
        {32, -1, 96.0F / 128, 112.0F / 128},  // 56, the last slot
    }};
    for (std::size_t i = 0; i < 4; ++i) {
        const DrawnQuad& q = quads[i];
        EXPECT_EQ(std::tie(q.left, q.right, q.top, q.bottom, q.height),
                  std::make_tuple(expected[i].x, expected[i].x + 16, 0, 16, expected[i].height))
            << i;
        EXPECT_EQ(std::make_tuple(q.sLeft, q.sRight, q.tTop, q.tBottom),
                  std::make_tuple(expected[i].s, expected[i].s + 0.125F, expected[i].t,
                                  expected[i].t + 0.125F))
            << i;
        EXPECT_TRUE(q.white);
    }
    EXPECT_TRUE(captureQuads([] { drawCell(-1, 0, tilesetTexture()); }).empty());
    EXPECT_TRUE(captureQuads([] { drawCell(1, 0, tilesetTexture()); }).empty());
    EXPECT_TRUE(captureQuads([] { drawCell(0, 1, tilesetTexture()); }).empty());
}

TEST_F(Drawing, AnyWindowShapeShows256By192WorldPixels) {
    // Every tile names its own place, so each pixel tells where it came from.
    auto map = blankLevel(19, 29);
    for (int row = 0; row < 29; ++row) {
        for (int column = 0; column < 19; ++column) {
            map->tiles[column + 19 * row] = static_cast<TileWord>(1 + (column + 19 * row) % 56);
        }
    }
    useLevel(std::move(map));
    placePlayer(150, 200);  // the view: world x 22..278, y 104..296
    const auto tileAtWorld = [&](int x, int y) {
        return tileSeen(1 + (x / 16 + 19 * (y / 16)) % 56);
    };
    for (const auto& [width, height] : {std::array<int, 2>{640, 240}, {300, 400}, {512, 384}}) {
        resizeTestWindow(width, height);
        drawFrame();
        saveScreenshot("window_" + std::to_string(width) + "x" + std::to_string(height));
        for (int y = 104; y < 296; y += 16) {
            for (int x = 24; x < 278; x += 16) {
                // Tile centres, sampled in the middle of their world pixel.
                const int wx = static_cast<int>((x - 22 + 0.5) * width / 256);
                const int wy = static_cast<int>((y - 104 + 0.5) * height / 192);
                ASSERT_EQ(seenAt(wx, wy), tileAtWorld(x, y)) << width << "x" << height;
            }
        }
        EXPECT_EQ(seenAt(0, 0), tileAtWorld(22, 104));
        EXPECT_EQ(seenAt(width - 1, height - 1), tileAtWorld(277, 295));
    }
}

}  // namespace
