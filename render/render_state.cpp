#include "render/render_state.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>

#include "assets/images.hpp"
#include "render/camera.hpp"
#include "render/gl_context.hpp"
#include "render/texture.hpp"
#include "render/view_steps.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

void loadProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(viewLeft, viewRight, viewBottom, viewTop, viewNear, viewFar);
}

}  // namespace

void setupGlState() {
    std::printf("Setting up OpenGL\n");
    std::fflush(stdout);
    if (!glContextReady()) {
        return;
    }
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    // Texels are all or nothing: transparent ones write neither colour nor
    // depth, so what lies behind them stays visible.
    glAlphaFunc(GL_GREATER, 0.1F);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glMatrixMode(GL_MODELVIEW);
}

void setupRenderer(std::uint32_t& tileset) {
    setupGlState();
    decodeTexture(tileset, tilesetImage);
    if (glContextReady()) {
        loadProjection();
    }
}

ViewportBox viewportFor(int width, int height, ViewFit fit) {
    // A minimised window reports height 0; keep a one-pixel viewport.
    height = std::max(height, 1);
    if (fit == ViewFit::stretched) {
        return {0, 0, width, height};
    }
    width = std::max(width, 1);
    if (const int steps = wholeSteps(width, height); steps > 0) {
        const int boxWidth = viewWidth * steps;
        const int boxHeight = viewHeight * steps;
        return {(width - boxWidth) / 2, (height - boxHeight) / 2, boxWidth, boxHeight};
    }
    // Smaller than the world itself: as large as fits, still 4:3.
    const long long wide = static_cast<long long>(width) * viewHeight;
    const long long tall = static_cast<long long>(height) * viewWidth;
    const int boxWidth = wide > tall ? static_cast<int>(tall / viewHeight) : width;
    const int boxHeight = wide > tall ? height : static_cast<int>(wide / viewWidth);
    return {(width - boxWidth) / 2, (height - boxHeight) / 2, std::max(boxWidth, 1),
            std::max(boxHeight, 1)};
}

void onWindowResize(int width, int height, ViewFit fit) {
    if (!glContextReady()) {
        return;
    }
    const ViewportBox box = viewportFor(width, height, fit);
    viewLayout() = {width, height, box};
    glViewport(box.x, box.y, box.width, box.height);
    loadProjection();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

ViewLayout& viewLayout() {
    static ViewLayout layout;
    return layout;
}

void clearFrame() {
    if (glContextReady()) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
}

void setCamera(int px, int py) {
    if (!glContextReady()) {
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The map size is read every frame: whatever level the World holds now.
    // Without one there is no far edge to keep inside.
    const Level* level = World::instance().level;
    const CameraCentre centre =
        level != nullptr ? clampCamera(px, py, level->width, level->height)
                         : CameraCentre{std::max(px, viewHalfWidth), std::max(py, viewHalfHeight)};
    const auto x = static_cast<double>(centre.x);
    const auto y = static_cast<double>(centre.y);
    // Straight down from 830 units above the map; screen-up is world -y.
    gluLookAt(x, 830.0, y, x, 0.0, y, 0.0, 0.0, -1.0);
}
