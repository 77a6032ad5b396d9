#include "render/gl_layer.hpp"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/input.hpp"
#include "render/draw.hpp"
#include "render/gl_context.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "world/game_run.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

// What the layer sent, in order.
struct Draw {
    GlDrawState state;
    std::vector<GlVertex> vertices;
};

struct Sent {
    std::vector<Draw> draws;
    int clears = 0;
    std::vector<std::uint32_t> images;  // the names given images
    std::vector<std::uint8_t> lastImage;
    std::vector<std::array<std::uint32_t, 3>> parameters;
};

Sent& sent() {
    static Sent record;
    return record;
}

GlLayer recordingLayer() {
    sent() = Sent{};
    GlLayer layer;
    layer.backend = {
        [](const GlDrawState& state, const GlVertex* vertices, std::size_t count) {
            sent().draws.push_back({state, {vertices, vertices + count}});
        },
        [](GLbitfield /*mask*/, const std::array<float, 4>& /*colour*/, float /*depth*/) {
            ++sent().clears;
        },
        [](std::uint32_t name, int width, int height, const std::uint8_t* rgba) {
            sent().images.push_back(name);
            sent().lastImage.assign(rgba, rgba + static_cast<std::ptrdiff_t>(4 * width * height));
        },
        [](std::uint32_t name, GLenum parameter, GLenum value) {
            sent().parameters.push_back({name, parameter, value});
        },
    };
    return layer;
}

// Where a draw's matrix puts a point, in normalised device coordinates.
std::array<float, 3> projected(const std::array<float, 16>& m, float x, float y, float z) {
    std::array<float, 4> clip{};
    for (int row = 0; row < 4; ++row) {
        clip[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
    }
    return {clip[0] / clip[3], clip[1] / clip[3], clip[2] / clip[3]};
}

void quad(GlLayer& layer, float x, float height, float y) {
    layerBegin(layer, GL_QUADS);
    layerVertex(layer, x, height, y);
    layerVertex(layer, x, height, y + 16);
    layerVertex(layer, x + 16, height, y + 16);
    layerVertex(layer, x + 16, height, y);
    layerEnd(layer);
}

TEST(GlLayer, TheCameraPutsTheViewOnTheScreenAndTheHeightsInDepthOrder) {
    // As the game sets it: the projection, then the camera on (176, 368),
    // the map's bottom-right corner in view.
    GlLayer layer = recordingLayer();
    layerMatrixMode(layer, GL_PROJECTION);
    layerLoadIdentity(layer);
    layerMultiply(layer, orthoMatrix(-128, 128, -96, 96, 100, 1500));
    layerMatrixMode(layer, GL_MODELVIEW);
    layerLoadIdentity(layer);
    layerMultiply(layer, lookAtMatrix({176, 830, 368}, {176, 0, 368}, {0, 0, -1}));
    quad(layer, 0, 0, 0);
    layerFlush(layer);
    ASSERT_EQ(sent().draws.size(), 1U);
    const std::array<float, 16>& m = sent().draws[0].state.matrix;

    // World x 48 to 304 left to right, world y 272 to 464 top to bottom.
    const auto topLeft = projected(m, 48, 0, 272);
    const auto bottomRight = projected(m, 304, 0, 464);
    EXPECT_FLOAT_EQ(topLeft[0], -1.0F);
    EXPECT_FLOAT_EQ(topLeft[1], 1.0F);
    EXPECT_FLOAT_EQ(bottomRight[0], 1.0F);
    EXPECT_FLOAT_EQ(bottomRight[1], -1.0F);
    // Front tiles nearest, then the sprite, then the back tiles, each a
    // 1400th of the depth range apart.
    const float front = projected(m, 100, 1, 300)[2];
    const float sprite = projected(m, 100, 0, 300)[2];
    const float back = projected(m, 100, -1, 300)[2];
    EXPECT_LT(front, sprite);
    EXPECT_LT(sprite, back);
    EXPECT_NEAR(back - sprite, 2.0F / 1400.0F, 1e-5F);
    EXPECT_NEAR(sprite, 2.0F * 730.0F / 1400.0F - 1.0F, 1e-5F);
}

TEST(GlLayer, TheColourAndTexelLastGivenGoWithEveryVertex) {
    GlLayer layer = recordingLayer();
    layerBegin(layer, GL_QUADS);
    layerColour(layer, 1.0F, 0.5F, 0.0F);
    layerTexCoord(layer, 0.25F, 0.5F);
    layerVertex(layer, 1, 2, 3);
    layerVertex(layer, 4, 5, 6);
    layerTexCoord(layer, 0.75F, 1.0F);
    layerVertex(layer, 7, 8, 9);
    layerColour(layer, 2.0F, -1.0F, 1.0F);  // clamped, as GL keeps colours
    layerVertex(layer, 10, 11, 12);
    layerEnd(layer);
    layerFlush(layer);
    ASSERT_EQ(sent().draws.size(), 1U);
    const std::vector<GlVertex>& v = sent().draws[0].vertices;
    ASSERT_EQ(v.size(), 4U);
    const std::array<std::uint8_t, 4> orange{255, 128, 0, 255};
    EXPECT_EQ(v[0].colour, orange);
    EXPECT_EQ(v[2].colour, orange);
    EXPECT_EQ(v[3].colour, (std::array<std::uint8_t, 4>{255, 0, 255, 255}));
    EXPECT_EQ(v[1].s, 0.25F);
    EXPECT_EQ(v[2].t, 1.0F);
    EXPECT_EQ(v[3].x, 10.0F);
    EXPECT_EQ(v[3].z, 12.0F);

    // The colour stays for the next primitive too.
    quad(layer, 0, 0, 0);
    layerFlush(layer);
    EXPECT_EQ(sent().draws.back().vertices[0].colour,
              (std::array<std::uint8_t, 4>{255, 0, 255, 255}));
}

TEST(GlLayer, QuadsGoOutTogetherUntilWhatTheyDependOnChanges) {
    GlLayer layer = recordingLayer();
    layerBindTexture(layer, 3);
    quad(layer, 0, 1, 0);
    quad(layer, 16, 1, 0);
    layerBindTexture(layer, 3);  // the same texture: nothing changes
    layerColour(layer, 1, 1, 1);
    quad(layer, 32, 1, 0);
    EXPECT_TRUE(sent().draws.empty());
    layerBindTexture(layer, 4);
    quad(layer, 0, 0, 0);
    layerCapability(layer, GL_DEPTH_TEST, true);
    quad(layer, 0, -1, 0);
    layerFlush(layer);
    layerFlush(layer);  // nothing left: no empty draw
    ASSERT_EQ(sent().draws.size(), 3U);
    EXPECT_EQ(sent().draws[0].vertices.size(), 12U);
    EXPECT_EQ(sent().draws[0].state.texture, 3U);
    EXPECT_FALSE(sent().draws[0].state.depthTest);
    EXPECT_EQ(sent().draws[1].state.texture, 4U);
    EXPECT_FALSE(sent().draws[1].state.depthTest);
    EXPECT_TRUE(sent().draws[2].state.depthTest);
    EXPECT_EQ(sent().draws[2].vertices[0].y, -1.0F);
}

TEST(GlLayer, OnlyWholeQuadsAreDrawnAndStateStaysPutInsideAPrimitive) {
    GlLayer layer = recordingLayer();
    layerBegin(layer, GL_QUADS);
    for (int i = 0; i < 7; ++i) {
        layerVertex(layer, static_cast<float>(i), 0, 0);
        // GL ignores these between glBegin and glEnd.
        layerBindTexture(layer, 9);
        layerCapability(layer, GL_BLEND, true);
    }
    layerEnd(layer);
    layerBegin(layer, GL_TRIANGLES);  // not one the game draws
    layerVertex(layer, 0, 0, 0);
    layerVertex(layer, 1, 0, 0);
    layerVertex(layer, 2, 0, 0);
    layerEnd(layer);
    layerFlush(layer);
    ASSERT_EQ(sent().draws.size(), 1U);
    EXPECT_EQ(sent().draws[0].vertices.size(), 4U);
    EXPECT_EQ(sent().draws[0].vertices[3].x, 3.0F);
    EXPECT_EQ(sent().draws[0].state.texture, 0U);
    EXPECT_FALSE(sent().draws[0].state.blend);
}

TEST(GlLayer, ABatchLargerThanADrawTakesIsSplitAtWholeQuads) {
    GlLayer layer = recordingLayer();
    for (std::size_t i = 0; i < glLayerMaxQuads + 10; ++i) {
        quad(layer, static_cast<float>(i), 0, 0);
    }
    // One primitive of many quads too.
    layerBegin(layer, GL_QUADS);
    for (std::size_t i = 0; i < 4 * (glLayerMaxQuads + 2); ++i) {
        layerVertex(layer, static_cast<float>(i), 1, 0);
    }
    layerEnd(layer);
    layerFlush(layer);
    std::size_t total = 0;
    for (const Draw& draw : sent().draws) {
        EXPECT_LE(draw.vertices.size(), 4 * glLayerMaxQuads);
        EXPECT_EQ(draw.vertices.size() % 4, 0U);
        total += draw.vertices.size();
    }
    EXPECT_EQ(total, 4 * (2 * glLayerMaxQuads + 12));
    EXPECT_EQ(sent().draws.back().vertices.back().x, static_cast<float>(4 * glLayerMaxQuads + 7));
}

TEST(GlLayer, TexturesAreNamedAndTheirImagesAndParametersHandedOn) {
    GlLayer layer = recordingLayer();
    std::array<std::uint32_t, 2> names{};
    layerGenTextures(layer, 2, names.data());
    EXPECT_EQ(names, (std::array<std::uint32_t, 2>{1, 2}));
    layerBindTexture(layer, 2);
    layerTexParameter(layer, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    const std::vector<std::uint8_t> pixels(4 * 2 * 2, 7);
    layerTexImage(layer, 2, 2, pixels.data());
    ASSERT_EQ(sent().parameters.size(), 1U);
    EXPECT_EQ(sent().parameters[0],
              (std::array<std::uint32_t, 3>{2, GL_TEXTURE_MIN_FILTER, GL_NEAREST}));
    EXPECT_EQ(sent().images, std::vector<std::uint32_t>{2});
    EXPECT_EQ(sent().lastImage, pixels);
    // A name bound without being asked for is taken too.
    layerBindTexture(layer, 5);
    layerGenTextures(layer, 1, names.data());
    EXPECT_EQ(names[0], 6U);
}

// The game's own frame through the page's layer, as its GL entry points
// hand it over.
class GameFrame : public testing::Test {
protected:
    void SetUp() override {
        kept = glLayer();
        glLayer() = recordingLayer();
        glContextReady() = true;
        playerMotion() = {};
        inputState() = {};
        resetWorld(World::instance());
    }
    void TearDown() override {
        resetWorld(World::instance());
        glContextReady() = false;
        glLayer() = kept;
    }
    GlLayer kept;
};

TEST_F(GameFrame, EachCellsTilesGoOutInOneDrawAndTheSpriteInAnother) {
    setupRenderer(tilesetTexture());
    const GameRun run;
    onWindowResize(512, 384);
    EXPECT_EQ(sent().images.size(), 2U);
    sent().draws.clear();
    clearFrame();
    drawScene(World::instance());
    glFlush();

    // At the start, in cell (0, 0): cells (0, 0), (1, 0), (0, 1), (1, 1).
    const Level& level = *World::instance().level;
    ASSERT_EQ(sent().draws.size(), 8U);
    EXPECT_EQ(sent().clears, 1);
    const std::array<std::array<int, 2>, 4> cells{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::size_t quads = 0;
        for (int column = 10 * cells[i][0]; column < 10 * cells[i][0] + 10; ++column) {
            for (int row = 10 * cells[i][1]; row < 10 * cells[i][1] + 10; ++row) {
                if (column < level.width && row < level.height) {
                    const TileWord word = level.tiles[column + level.width * row];
                    quads += (frontTile(word) != 0 ? 1 : 0) + (backTile(word) != 0 ? 1 : 0);
                }
            }
        }
        const Draw& tiles = sent().draws[2 * i];
        const Draw& sprite = sent().draws[2 * i + 1];
        EXPECT_EQ(tiles.state.texture, tilesetTexture()) << i;
        EXPECT_EQ(tiles.vertices.size(), 4 * quads) << i;
        EXPECT_EQ(sprite.state.texture, run.player->texture) << i;
        ASSERT_EQ(sprite.vertices.size(), 4U) << i;
        EXPECT_EQ(sprite.vertices[0].x, 12.0F);
        EXPECT_EQ(sprite.vertices[0].z, 101.0F);
        EXPECT_EQ(sprite.vertices[2].z, 127.0F);
        for (const Draw* draw : {&tiles, &sprite}) {
            for (const GlVertex& vertex : draw->vertices) {
                EXPECT_EQ(vertex.colour, (std::array<std::uint8_t, 4>{255, 255, 255, 255}));
            }
        }
    }
    // The render state the game set once, with every draw.
    for (const Draw& draw : sent().draws) {
        const GlDrawState& state = draw.state;
        EXPECT_TRUE(state.texturing && state.alphaTest && state.depthTest && state.blend &&
                    state.cullFace);
        EXPECT_EQ(state.alphaReference, 0.1F);
        EXPECT_EQ(state.depthFunc, static_cast<GLenum>(GL_LEQUAL));
        EXPECT_EQ(state.blendSource, static_cast<GLenum>(GL_SRC_ALPHA));
        EXPECT_EQ(state.blendDestination, static_cast<GLenum>(GL_ONE_MINUS_SRC_ALPHA));
        EXPECT_EQ(state.cullMode, static_cast<GLenum>(GL_BACK));
        EXPECT_EQ(state.viewport.width, 512);
        EXPECT_EQ(state.viewport.height, 384);
        // The camera on the creature at (20, 114), kept off the map's left
        // edge: world pixel (0, 18) at the screen's top-left corner.
        EXPECT_FLOAT_EQ(projected(state.matrix, 0, 0, 18)[0], -1.0F);
        EXPECT_FLOAT_EQ(projected(state.matrix, 0, 0, 18)[1], 1.0F);
    }
}

}  // namespace
