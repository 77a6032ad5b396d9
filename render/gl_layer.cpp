#include "render/gl_layer.hpp"

#include <algorithm>
#include <cmath>

namespace {

GlMatrix& currentMatrix(GlLayer& layer) {
    return layer.matrixMode == GL_PROJECTION ? layer.projection : layer.modelView;
}

// GL takes colours as fractions, clamped, and keeps them as fixed point.
std::uint8_t colourByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0F, 1.0F) * 255.0F));
}

std::array<double, 3> normalised(const std::array<double, 3>& v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length == 0.0) {
        return v;
    }
    return {v[0] / length, v[1] / length, v[2] / length};
}

std::array<double, 3> cross(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Sends the first `count` vertices, whole quads, as one draw under the state
// as it stands.
void sendQuads(GlLayer& layer, std::size_t count) {
    if (count == 0) {
        return;
    }
    const GlMatrix matrix = multiplyMatrices(layer.projection, layer.modelView);
    std::transform(matrix.begin(), matrix.end(), layer.state.matrix.begin(),
                   [](double value) { return static_cast<float>(value); });
    if (layer.backend.draw != nullptr) {
        layer.backend.draw(layer.state, layer.batch.data(), count);
    }
    layer.batch.erase(layer.batch.begin(), layer.batch.begin() + static_cast<long>(count));
    layer.primitiveStart -= std::min(layer.primitiveStart, count);
}

}  // namespace

GlMatrix identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

GlMatrix multiplyMatrices(const GlMatrix& a, const GlMatrix& b) {
    GlMatrix product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += a[k * 4 + row] * b[column * 4 + k];
            }
            product[column * 4 + row] = sum;
        }
    }
    return product;
}

GlMatrix orthoMatrix(double left, double right, double bottom, double top, double near,
                     double far) {
    GlMatrix m{};
    m[0] = 2.0 / (right - left);
    m[5] = 2.0 / (top - bottom);
    m[10] = -2.0 / (far - near);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(far + near) / (far - near);
    m[15] = 1.0;
    return m;
}

GlMatrix lookAtMatrix(const std::array<double, 3>& eye, const std::array<double, 3>& centre,
                      const std::array<double, 3>& up) {
    // As GLU builds it: the rows are side, up and the reverse of forward,
    // then the eye moved to the origin.
    const std::array<double, 3> forward =
        normalised({centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]});
    const std::array<double, 3> side = normalised(cross(forward, up));
    const std::array<double, 3> trueUp = cross(side, forward);
    GlMatrix m = identityMatrix();
    for (int i = 0; i < 3; ++i) {
        m[i * 4 + 0] = side[i];
        m[i * 4 + 1] = trueUp[i];
        m[i * 4 + 2] = -forward[i];
    }
    GlMatrix toEye = identityMatrix();
    toEye[12] = -eye[0];
    toEye[13] = -eye[1];
    toEye[14] = -eye[2];
    return multiplyMatrices(m, toEye);
}

void layerFlush(GlLayer& layer) {
    // Vertices of a primitive still open wait for its glEnd.
    sendQuads(layer, layer.inPrimitive ? layer.primitiveStart : layer.batch.size());
}

void layerCapability(GlLayer& layer, GLenum capability, bool enabled) {
    if (layer.inPrimitive) {
        return;
    }
    bool* flag = nullptr;
    switch (capability) {
        case GL_TEXTURE_2D:
            flag = &layer.state.texturing;
            break;
        case GL_ALPHA_TEST:
            flag = &layer.state.alphaTest;
            break;
        case GL_DEPTH_TEST:
            flag = &layer.state.depthTest;
            break;
        case GL_BLEND:
            flag = &layer.state.blend;
            break;
        case GL_CULL_FACE:
            flag = &layer.state.cullFace;
            break;
        default:
            return;
    }
    if (*flag != enabled) {
        layerFlush(layer);
        *flag = enabled;
    }
}

void layerAlphaFunc(GlLayer& layer, GLenum func, float reference) {
    if (layer.inPrimitive) {
        return;
    }
    // Only "greater than" is kept: anything else lets every texel through.
    layerFlush(layer);
    layer.state.alphaReference = func == GL_GREATER ? std::clamp(reference, 0.0F, 1.0F) : -1.0F;
}

void layerBlendFunc(GlLayer& layer, GLenum source, GLenum destination) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    layer.state.blendSource = source;
    layer.state.blendDestination = destination;
}

void layerDepthFunc(GlLayer& layer, GLenum func) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    layer.state.depthFunc = func;
}

void layerCullFace(GlLayer& layer, GLenum mode) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    layer.state.cullMode = mode;
}

void layerViewport(GlLayer& layer, int x, int y, int width, int height) {
    if (layer.inPrimitive) {
        return;
    }
    if (width < 0 || height < 0) {
        return;  // GL refuses a negative size and keeps the viewport
    }
    layerFlush(layer);
    layer.state.viewport = {x, y, width, height};
}

void layerClearColour(GlLayer& layer, const std::array<float, 4>& colour) {
    for (std::size_t i = 0; i < colour.size(); ++i) {
        layer.clearColour[i] = std::clamp(colour[i], 0.0F, 1.0F);
    }
}

void layerClearDepth(GlLayer& layer, float depth) {
    layer.clearDepth = std::clamp(depth, 0.0F, 1.0F);
}

void layerClear(GlLayer& layer, GLbitfield mask) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    if (layer.backend.clear != nullptr) {
        layer.backend.clear(mask, layer.clearColour, layer.clearDepth);
    }
}

void layerMatrixMode(GlLayer& layer, GLenum mode) {
    if (layer.inPrimitive) {
        return;
    }
    if (mode == GL_PROJECTION || mode == GL_MODELVIEW) {
        layer.matrixMode = mode;
    }
}

void layerLoadIdentity(GlLayer& layer) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    currentMatrix(layer) = identityMatrix();
}

void layerMultiply(GlLayer& layer, const GlMatrix& matrix) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    GlMatrix& current = currentMatrix(layer);
    current = multiplyMatrices(current, matrix);
}

void layerGenTextures(GlLayer& layer, int count, std::uint32_t* names) {
    for (int i = 0; i < count; ++i) {
        names[i] = layer.nextTexture++;
    }
}

void layerBindTexture(GlLayer& layer, std::uint32_t name) {
    if (layer.inPrimitive) {
        return;
    }
    if (layer.state.texture != name) {
        layerFlush(layer);
        layer.state.texture = name;
    }
    // Bound names are taken, as GL has it: glGenTextures never hands them out.
    layer.nextTexture = std::max(layer.nextTexture, name + 1);
}

void layerTexParameter(GlLayer& layer, GLenum parameter, GLenum value) {
    if (layer.inPrimitive) {
        return;
    }
    layerFlush(layer);
    if (layer.backend.textureParameter != nullptr) {
        layer.backend.textureParameter(layer.state.texture, parameter, value);
    }
}

void layerTexImage(GlLayer& layer, int width, int height, const std::uint8_t* rgba) {
    if (layer.inPrimitive) {
        return;
    }
    if (width <= 0 || height <= 0 || rgba == nullptr) {
        return;
    }
    layerFlush(layer);
    if (layer.backend.textureImage != nullptr) {
        layer.backend.textureImage(layer.state.texture, width, height, rgba);
    }
}

void layerBegin(GlLayer& layer, GLenum mode) {
    if (layer.inPrimitive) {
        return;  // GL refuses a glBegin inside another
    }
    layer.inPrimitive = true;
    layer.drawnPrimitive = mode == GL_QUADS;
    layer.primitiveStart = layer.batch.size();
}

void layerEnd(GlLayer& layer) {
    if (!layer.inPrimitive) {
        return;
    }
    layer.inPrimitive = false;
    // A quad short of its four corners is not drawn.
    const std::size_t given = layer.batch.size() - layer.primitiveStart;
    layer.batch.resize(layer.batch.size() - given % 4);
    layer.primitiveStart = layer.batch.size();
    if (layer.batch.size() >= 4 * glLayerMaxQuads) {
        layerFlush(layer);
    }
}

void layerColour(GlLayer& layer, float red, float green, float blue, float alpha) {
    layer.colour = {colourByte(red), colourByte(green), colourByte(blue), colourByte(alpha)};
}

void layerTexCoord(GlLayer& layer, float s, float t) {
    layer.s = s;
    layer.t = t;
}

void layerVertex(GlLayer& layer, float x, float y, float z) {
    if (!layer.inPrimitive || !layer.drawnPrimitive) {
        return;
    }
    // One primitive longer than a draw takes goes out a draw's worth at a time.
    const std::size_t given = layer.batch.size() - layer.primitiveStart;
    if (given % 4 == 0 && layer.batch.size() >= 4 * glLayerMaxQuads) {
        sendQuads(layer, layer.batch.size());
    }
    layer.batch.push_back(GlVertex{x, y, z, layer.s, layer.t, layer.colour});
}
