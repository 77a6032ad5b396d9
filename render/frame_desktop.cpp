// A window of any size: where the view is not a whole number of screen pixels
// to a world pixel, the frame is drawn as at a whole step in the window's
// lower-left corner, copied into a texture and shown stretched over the view.

#include "render/frame.hpp"

#include <GL/gl.h>

#include <algorithm>

#include "render/draw.hpp"
#include "render/gl_context.hpp"
#include "render/render_state.hpp"
#include "render/step_picture.hpp"

namespace {

// The texture the whole-step picture is copied into, made once and sized
// again only when the picture's size changes.
struct PictureTexture {
    GLuint name = 0;
    int width = 0;
    int height = 0;
    // The largest texture side the GL takes, asked once.
    int maxSide = 0;
};

PictureTexture& pictureTexture() {
    static PictureTexture texture;
    return texture;
}

int maxTextureSide() {
    PictureTexture& texture = pictureTexture();
    if (texture.maxSide == 0) {
        GLint side = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
        texture.maxSide = std::max(side, 1);
    }
    return texture.maxSide;
}

void bindPictureTexture(const StepPicture& picture) {
    PictureTexture& texture = pictureTexture();
    if (texture.name == 0) {
        glGenTextures(1, &texture.name);
    }
    glBindTexture(GL_TEXTURE_2D, texture.name);
    if (texture.width == picture.textureWidth && texture.height == picture.textureHeight) {
        return;
    }
    texture.width = picture.textureWidth;
    texture.height = picture.textureHeight;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    // No alpha: the picture is opaque, and the alpha test lets all of it by.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, texture.width, texture.height, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
}

// The scene as at the picture's whole step, one window's worth at a time:
// each piece is the view's viewport moved so that the piece lands in the
// window, and is copied to its place in the texture.
void drawPicture(const World& world, const ViewLayout& layout, const StepPicture& picture) {
    for (int row = 0; row < picture.rows; ++row) {
        for (int column = 0; column < picture.columns; ++column) {
            const int x = column * layout.windowWidth;
            const int y = row * layout.windowHeight;
            glViewport(-x, -y, picture.width, picture.height);
            clearFrame();
            drawScene(world);
            bindPictureTexture(picture);
            glCopyTexSubImage2D(GL_TEXTURE_2D, 0, x, y, 0, 0,
                                std::min(layout.windowWidth, picture.width - x),
                                std::min(layout.windowHeight, picture.height - y));
        }
    }
}

// The picture over the whole view, nearest texel to each pixel's centre, the
// rest of the window black.
void showPicture(const ViewLayout& layout, const StepPicture& picture) {
    const ViewportBox& view = layout.view;
    glViewport(view.x, view.y, view.width, view.height);
    if (view.width < layout.windowWidth || view.height < layout.windowHeight) {
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const auto right = static_cast<float>(picture.width) / static_cast<float>(picture.textureWidth);
    const auto top = static_cast<float>(picture.height) / static_cast<float>(picture.textureHeight);
    // The texture's first row is the window's bottom one.
    glBegin(GL_QUADS);
    glColor3f(1.0F, 1.0F, 1.0F);
    glTexCoord2f(0.0F, 0.0F);
    glVertex2i(-1, -1);
    glTexCoord2f(right, 0.0F);
    glVertex2i(1, -1);
    glTexCoord2f(right, top);
    glVertex2i(1, 1);
    glTexCoord2f(0.0F, top);
    glVertex2i(-1, 1);
    glEnd();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace

void drawFrame(const World& world) {
    const ViewLayout& layout = viewLayout();
    // At whole steps, and whenever no picture can be made, exactly as ever.
    if (!glContextReady() || wholePixels(layout.view)) {
        clearFrame();
        drawScene(world);
        return;
    }
    const StepPicture picture =
        stepPictureFor(layout.windowWidth, layout.windowHeight, layout.view, maxTextureSide());
    if (picture.steps == 0) {
        clearFrame();
        drawScene(world);
        return;
    }
    drawPicture(world, layout, picture);
    showPicture(layout, picture);
}
