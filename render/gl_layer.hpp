#pragma once

// The fixed-function GL 1.1 the game draws with, kept by the game itself for
// a page, whose WebGL has none of it: the state set-up, the two matrices,
// textures, and quads with the current colour and texel, drawn with the alpha
// test. Only what the game calls. Its quads gather into one batch that goes
// out as a single draw when anything they depend on changes, or on glFlush;
// a page's GL entry points (render/gl_browser.cpp) answer each call here, and
// a backend (web/webgl.js) turns the draws into WebGL.

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "render/view.hpp"

// A vertex as the backend takes it: position, texel, colour; 24 bytes.
struct GlVertex {
    float x = 0.0F;
    float y = 0.0F;
    float z = 0.0F;
    float s = 0.0F;
    float t = 0.0F;
    std::array<std::uint8_t, 4> colour{255, 255, 255, 255};
};
static_assert(sizeof(GlVertex) == 24, "the backend reads vertices 24 bytes apart");

// Column-major, as GL keeps its matrices.
using GlMatrix = std::array<double, 16>;

GlMatrix identityMatrix();
// a × b: b applied first, as glMultMatrix multiplies the current matrix.
GlMatrix multiplyMatrices(const GlMatrix& a, const GlMatrix& b);
// glOrtho's and gluLookAt's matrices.
GlMatrix orthoMatrix(double left, double right, double bottom, double top, double near, double far);
GlMatrix lookAtMatrix(const std::array<double, 3>& eye, const std::array<double, 3>& centre,
                      const std::array<double, 3>& up);

// Everything a draw depends on, as it stood when its quads were given.
struct GlDrawState {
    std::array<float, 16> matrix{};  // projection × model-view, column-major
    ViewportBox viewport;
    std::uint32_t texture = 0;  // bound to GL_TEXTURE_2D; 0 for none
    bool texturing = false;     // GL_TEXTURE_2D enabled: texel × colour
    bool alphaTest = false;     // only GL_GREATER is kept
    bool depthTest = false;
    bool blend = false;
    bool cullFace = false;
    float alphaReference = 0.0F;
    GLenum depthFunc = GL_LESS;
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    GLenum cullMode = GL_BACK;
};

// Where the layer's work goes: WebGL in a page, a recorder in the tests.
struct GlBackend {
    // Whole quads, four vertices each, counter-clockwise as given.
    void (*draw)(const GlDrawState& state, const GlVertex* vertices, std::size_t count);
    void (*clear)(GLbitfield mask, const std::array<float, 4>& colour, float depth);
    // The texture's level 0, RGBA bytes, copied by the backend.
    void (*textureImage)(std::uint32_t name, int width, int height, const std::uint8_t* rgba);
    void (*textureParameter)(std::uint32_t name, GLenum parameter, GLenum value);
};

// The most quads one draw takes: its vertices are numbered in 16 bits.
inline constexpr std::size_t glLayerMaxQuads = 4096;

struct GlLayer {
    GlBackend backend{};
    GLenum matrixMode = GL_MODELVIEW;
    GlMatrix projection = identityMatrix();
    GlMatrix modelView = identityMatrix();
    GlDrawState state;
    std::array<float, 4> clearColour{0.0F, 0.0F, 0.0F, 0.0F};
    float clearDepth = 1.0F;
    // What the next vertex carries.
    std::array<std::uint8_t, 4> colour{255, 255, 255, 255};
    float s = 0.0F;
    float t = 0.0F;
    // Between glBegin and glEnd, and whether the primitive is one the layer
    // draws; the vertices given since glBegin start at `primitiveStart`.
    bool inPrimitive = false;
    bool drawnPrimitive = false;
    std::size_t primitiveStart = 0;
    std::vector<GlVertex> batch;  // whole quads waiting for one draw
    std::uint32_t nextTexture = 1;
};

// Each call below is its GL namesake's, on the layer; those that change what
// a draw depends on first send the quads gathered so far. Between glBegin and
// glEnd only the colour, the texel and vertices are taken, as GL has it.
void layerCapability(GlLayer& layer, GLenum capability, bool enabled);
void layerAlphaFunc(GlLayer& layer, GLenum func, float reference);
void layerBlendFunc(GlLayer& layer, GLenum source, GLenum destination);
void layerDepthFunc(GlLayer& layer, GLenum func);
void layerCullFace(GlLayer& layer, GLenum mode);
void layerViewport(GlLayer& layer, int x, int y, int width, int height);
void layerClearColour(GlLayer& layer, const std::array<float, 4>& colour);
void layerClearDepth(GlLayer& layer, float depth);
void layerClear(GlLayer& layer, GLbitfield mask);

void layerMatrixMode(GlLayer& layer, GLenum mode);
void layerLoadIdentity(GlLayer& layer);
// The current matrix times `matrix`, as glOrtho and gluLookAt do.
void layerMultiply(GlLayer& layer, const GlMatrix& matrix);

void layerGenTextures(GlLayer& layer, int count, std::uint32_t* names);
void layerBindTexture(GlLayer& layer, std::uint32_t name);
void layerTexParameter(GlLayer& layer, GLenum parameter, GLenum value);
void layerTexImage(GlLayer& layer, int width, int height, const std::uint8_t* rgba);

void layerBegin(GlLayer& layer, GLenum mode);
void layerEnd(GlLayer& layer);
void layerColour(GlLayer& layer, float red, float green, float blue, float alpha = 1.0F);
void layerTexCoord(GlLayer& layer, float s, float t);
void layerVertex(GlLayer& layer, float x, float y, float z);

// Sends the quads gathered so far as one draw.
void layerFlush(GlLayer& layer);

// The page's one layer, which its GL entry points answer on
// (render/gl_browser.cpp).
GlLayer& glLayer();
