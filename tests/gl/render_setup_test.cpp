#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/images.hpp"
#include "render/render_state.hpp"
#include "render/texture.hpp"
#include "tests/gl/gl_window.hpp"

namespace {

using RenderSetup = GlTest;

std::vector<std::uint8_t> readTexture(std::uint32_t name) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 128);
    EXPECT_EQ(height, 128);
    std::vector<std::uint8_t> rgba(4 * 128 * 128);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

std::array<int, 4> texelOf(const std::vector<std::uint8_t>& rgba, int u, int v) {
    const auto at = 4 * static_cast<std::size_t>(u + 128 * v);
    return {rgba[at], rgba[at + 1], rgba[at + 2], rgba[at + 3]};
}

// The id a "Texture generated" line announces, or -1.
int announcedId(const std::string& line) {
    int width = 0;
    int height = 0;
    int id = -1;
    if (std::sscanf(line.c_str(), "Texture generated (size: %dx%d, id: %d)", &width, &height,
                    &id) != 3 ||
        width != 128 || height != 128) {
        return -1;
    }
    return id;
}

TEST_F(RenderSetup, SyntheticImageUploadsAsStoredWithNearestFilteringAndRepeat) {
    Image16 image;
    setTexelWord(image, 0, 0, 0x8421);    // opaque grey, first stored row
    setTexelWord(image, 127, 0, 0x7FFF);  // white colour bits but transparent
    setTexelWord(image, 5, 1, opaqueWord(31, 0, 0));
    setTexelWord(image, 0, 127, opaqueWord(4, 16, 30));  // last stored row
    setTexelWord(image, 64, 64, 0x001F);                 // transparent red keeps its colour

    testing::internal::CaptureStdout();
    const std::uint32_t name = uploadImage(image);
    const std::string printed = testing::internal::GetCapturedStdout();

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<std::uint32_t>(bound), name);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(announcedId(printed), static_cast<int>(name));

    const auto rgba = readTexture(name);
    EXPECT_EQ(texelOf(rgba, 0, 0), (std::array<int, 4>{8, 8, 8, 255}));
    EXPECT_EQ(texelOf(rgba, 127, 0), (std::array<int, 4>{255, 255, 255, 0}));
    EXPECT_EQ(texelOf(rgba, 5, 1), (std::array<int, 4>{255, 0, 0, 255}));
    EXPECT_EQ(texelOf(rgba, 0, 127), (std::array<int, 4>{32, 131, 246, 255}));
    EXPECT_EQ(texelOf(rgba, 64, 64), (std::array<int, 4>{255, 0, 0, 0}));
    EXPECT_EQ(texelOf(rgba, 1, 0), (std::array<int, 4>{0, 0, 0, 0}));

    GLint minFilter = 0;
    GLint magFilter = 0;
    GLint wrapS = 0;
    GLint wrapT = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
    EXPECT_EQ(minFilter, GL_NEAREST);
    EXPECT_EQ(magFilter, GL_NEAREST);
    EXPECT_EQ(wrapS, GL_REPEAT);
    EXPECT_EQ(wrapT, GL_REPEAT);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(RenderSetup, GameImagesReadBackExactlyAsExpanded) {
    for (const Image16* image : {&tilesetImage, &playerSpriteSheet}) {
        testing::internal::CaptureStdout();
        const std::uint32_t name = uploadImage(*image);
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(glIsTexture(name));
        EXPECT_EQ(announcedId(printed), static_cast<int>(name));
        EXPECT_EQ(readTexture(name), expandImage(*image));
    }
}

TEST_F(RenderSetup, StartUpAnnouncesItselfAndTheAtlasUnderItsRealName) {
    std::uint32_t atlas = 0;
    testing::internal::CaptureStdout();
    setupRenderer(atlas);
    const std::string printed = testing::internal::GetCapturedStdout();

    const std::string first = "Setting up OpenGL\n";
    ASSERT_EQ(printed.substr(0, first.size()), first);
    EXPECT_EQ(announcedId(printed.substr(first.size())), static_cast<int>(atlas));
    EXPECT_NE(atlas, 0U);
    EXPECT_TRUE(glIsTexture(atlas));
    EXPECT_EQ(readTexture(atlas), expandImage(tilesetImage));
    // The camera selects the model-view itself; the set-up leaves the projection.
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
}

TEST_F(RenderSetup, ResizeKeepsTheViewAt256By192AndNeverEmpty) {
    onWindowResize(800, 0);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, 800, 1}));

    // The matrix is held in single precision.
    std::array<GLfloat, 16> projection{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    EXPECT_FLOAT_EQ(projection[0], 2.0F / 256.0F);
    EXPECT_FLOAT_EQ(projection[5], 2.0F / 192.0F);
    EXPECT_FLOAT_EQ(projection[10], -2.0F / 1400.0F);
    EXPECT_FLOAT_EQ(projection[12], 0.0F);
    EXPECT_FLOAT_EQ(projection[13], 0.0F);
    EXPECT_FLOAT_EQ(projection[14], -1600.0F / 1400.0F);

    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    std::array<GLdouble, 16> modelView{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(modelView[i], i % 5 == 0 ? 1.0 : 0.0) << i;
    }
}

}  // namespace
