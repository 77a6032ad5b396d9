#include "render/texture.hpp"

#include <GL/gl.h>

#include <cstddef>
#include <cstdio>
#include <type_traits>

#include "render/gl_context.hpp"

static_assert(std::is_same_v<GLuint, std::uint32_t>, "texture names are stored as uint32_t");

std::vector<std::uint8_t> expandImage(const Image16& image) {
    std::vector<std::uint8_t> rgba(4 * static_cast<std::size_t>(imageTexels));
    for (int v = 0; v < imageSide; ++v) {
        for (int u = 0; u < imageSide; ++u) {
            const auto texel = expandTexel(texelWord(image, u, v));
            const auto at = 4 * static_cast<std::size_t>(u + imageSide * v);
            for (std::size_t c = 0; c < 4; ++c) {
                rgba[at + c] = texel[c];
            }
        }
    }
    return rgba;
}

void decodeTexture(std::uint32_t& name, const Image16& image) {
    if (glContextReady()) {
        glEnable(GL_TEXTURE_2D);
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLfloat>(GL_NEAREST));
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_NEAREST));
        const std::vector<std::uint8_t> rgba = expandImage(image);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, imageSide, imageSide, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     rgba.data());
    } else {
        name = 0;
    }
    std::printf("Texture generated (size: %dx%d, id: %d)\n", imageSide, imageSide,
                static_cast<int>(name));
    std::fflush(stdout);
}

std::uint32_t& tilesetTexture() {
    static std::uint32_t name = 0;
    return name;
}
