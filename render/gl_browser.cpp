// A page's WebGL has no fixed-function GL: the calls the game draws with are
// answered here, by the game's own layer (render/gl_layer.hpp), whose draws
// the page's WebGL backend (web/webgl.js) carries out. The drawing code makes
// the very same calls as on the desktop.

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "render/gl_layer.hpp"

extern "C" {
// web/webgl.js: the backend, which keeps the textures and makes them again
// after a lost context.
void torvik_webgl_draw(const float* matrix, const GlVertex* vertices, std::size_t count,
                       std::uint32_t texture, unsigned flags, float alphaReference,
                       GLenum depthFunc, GLenum blendSource, GLenum blendDestination,
                       GLenum cullMode, int viewportX, int viewportY, int viewportWidth,
                       int viewportHeight);
void torvik_webgl_clear(GLbitfield mask, float red, float green, float blue, float alpha,
                        float depth);
void torvik_webgl_flush();
void torvik_webgl_texture_image(std::uint32_t name, int width, int height,
                                const std::uint8_t* rgba);
void torvik_webgl_texture_parameter(std::uint32_t name, GLenum parameter, GLenum value);
}

namespace {

// The draw's switches, one bit each, as web/webgl.js reads them.
enum DrawFlag : std::uint8_t {
    texturingFlag = 1,
    alphaTestFlag = 2,
    depthTestFlag = 4,
    blendFlag = 8,
    cullFaceFlag = 16,
};

void drawOnPage(const GlDrawState& state, const GlVertex* vertices, std::size_t count) {
    const unsigned flags = (state.texturing ? texturingFlag : 0U) |
                           (state.alphaTest ? alphaTestFlag : 0U) |
                           (state.depthTest ? depthTestFlag : 0U) | (state.blend ? blendFlag : 0U) |
                           (state.cullFace ? cullFaceFlag : 0U);
    torvik_webgl_draw(state.matrix.data(), vertices, count, state.texture, flags,
                      state.alphaReference, state.depthFunc, state.blendSource,
                      state.blendDestination, state.cullMode, state.viewport.x, state.viewport.y,
                      state.viewport.width, state.viewport.height);
}

void clearOnPage(GLbitfield mask, const std::array<float, 4>& colour, float depth) {
    torvik_webgl_clear(mask, colour[0], colour[1], colour[2], colour[3], depth);
}

}  // namespace

GlLayer& glLayer() {
    static GlLayer layer = [] {
        GlLayer made;
        made.backend = {drawOnPage, clearOnPage, torvik_webgl_texture_image,
                        torvik_webgl_texture_parameter};
        return made;
    }();
    return layer;
}

extern "C" {

void glEnable(GLenum capability) { layerCapability(glLayer(), capability, true); }
void glDisable(GLenum capability) { layerCapability(glLayer(), capability, false); }
void glAlphaFunc(GLenum func, GLclampf reference) { layerAlphaFunc(glLayer(), func, reference); }
void glBlendFunc(GLenum source, GLenum destination) {
    layerBlendFunc(glLayer(), source, destination);
}
void glDepthFunc(GLenum func) { layerDepthFunc(glLayer(), func); }
void glCullFace(GLenum mode) { layerCullFace(glLayer(), mode); }
// Smooth shading is all a page's program does; a hint is only a hint.
void glShadeModel(GLenum /*mode*/) {}
void glHint(GLenum /*target*/, GLenum /*mode*/) {}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    layerViewport(glLayer(), x, y, width, height);
}
void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    layerClearColour(glLayer(), {red, green, blue, alpha});
}
void glClearDepth(GLclampd depth) { layerClearDepth(glLayer(), static_cast<float>(depth)); }
void glClear(GLbitfield mask) { layerClear(glLayer(), mask); }
// The page shows the frame when the animation frame's script returns: the
// quads still gathered must go out before, and the backend draws the pass.
void glFlush() {
    layerFlush(glLayer());
    torvik_webgl_flush();
}

void glMatrixMode(GLenum mode) { layerMatrixMode(glLayer(), mode); }
void glLoadIdentity() { layerLoadIdentity(glLayer()); }
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble near,
             GLdouble far) {
    layerMultiply(glLayer(), orthoMatrix(left, right, bottom, top, near, far));
}
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
               GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    layerMultiply(glLayer(),
                  lookAtMatrix({eyeX, eyeY, eyeZ}, {centreX, centreY, centreZ}, {upX, upY, upZ}));
}

void glGenTextures(GLsizei count, GLuint* names) { layerGenTextures(glLayer(), count, names); }
void glBindTexture(GLenum target, GLuint name) {
    if (target == GL_TEXTURE_2D) {
        layerBindTexture(glLayer(), name);
    }
}
void glTexParameterf(GLenum target, GLenum parameter, GLfloat value) {
    if (target == GL_TEXTURE_2D) {
        layerTexParameter(glLayer(), parameter, static_cast<GLenum>(value));
    }
}
// Level 0, RGBA bytes: the only image the game gives.
void glTexImage2D(GLenum target, GLint level, GLint /*internalFormat*/, GLsizei width,
                  GLsizei height, GLint border, GLenum format, GLenum type, const GLvoid* pixels) {
    if (target == GL_TEXTURE_2D && level == 0 && border == 0 && format == GL_RGBA &&
        type == GL_UNSIGNED_BYTE) {
        layerTexImage(glLayer(), width, height, static_cast<const std::uint8_t*>(pixels));
    }
}

void glBegin(GLenum mode) { layerBegin(glLayer(), mode); }
void glEnd() { layerEnd(glLayer()); }
void glColor3f(GLfloat red, GLfloat green, GLfloat blue) {
    layerColour(glLayer(), red, green, blue);
}
void glTexCoord2f(GLfloat s, GLfloat t) { layerTexCoord(glLayer(), s, t); }
void glVertex3i(GLint x, GLint y, GLint z) {
    layerVertex(glLayer(), static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}
}
