// A page must give control back to the browser between passes: its animation
// frames drive them instead of a loop, and the pacer's sleep becomes a wait.

#include <GL/gl.h>
#include <emscripten/emscripten.h>

#include "app/frame_pacer.hpp"
#include "app/page_clock.hpp"
#include "app/pass.hpp"
#include "app/window.hpp"
#include "audio/sound.hpp"
#include "render/render_state.hpp"
#include "render/view_steps.hpp"

namespace {

struct BrowserLoop {
    PageFrames frames;
    unsigned passes = 0;
};

BrowserLoop& browserLoop() {
    static BrowserLoop loop;
    return loop;
}

// GLFW's clock, which the pacer's first reading came from, less the
// time the page spent held.
double pageClockSeconds() { return pageSeconds(browserLoop().frames.clock, clockSeconds()); }

void setHeld(PageHold why, bool held) {
    PageClock& clock = browserLoop().frames.clock;
    if (held) {
        holdPage(clock, why, clockSeconds());
    } else {
        releasePage(clock, why, clockSeconds());
    }
}

void waitSeconds(double seconds) {
    beginWait(browserLoop().frames.wait, pageClockSeconds(), seconds);
}

constexpr PassTiming pageTiming{pageClockSeconds, waitSeconds};

void pagePass() {
    runPass(pageTiming);
    // The browser shows the frame once this script returns: what the drawing
    // still holds goes out first.
    glFlush();
    ++browserLoop().passes;
}

// How long ago, in seconds, the browser began the animation frame being run:
// its timeline holds the frame's own time, the same for every script of the
// frame however late in it this one runs, and so steadier than the clock.
EM_JS(double, animationFrameAge, (), {
    var frame = document.timeline ? document.timeline.currentTime : null;
    return typeof frame == 'number' ? Math.max(0, performance.now() - frame) / 1000 : 0;
});

void onAnimationFrame() {
    const double now = clockSeconds();
    if (frameRunsPass(browserLoop().frames, now - animationFrameAge(), now)) {
        pagePass();
    }
}

// A hidden page gets no animation frames and a frozen one runs no script; the
// browser tells of both only through the document's events, and of a lost
// WebGL context (a phone wanting the memory back, the GPU's process
// restarting) through the canvas's.
EM_JS(void, watchPage, (), {
    function onVisibilityChange() { Module['_torvik_page_hidden'](document.hidden ? 1 : 0); }
    function onFreeze() { Module['_torvik_page_hidden'](1); }
    function onResume() { Module['_torvik_page_hidden'](0); }
    function onContextLost() { Module['_torvik_context_lost'](1); }
    function onContextRestored() { Module['_torvik_context_lost'](0); }
    document.addEventListener('visibilitychange', onVisibilityChange);
    document.addEventListener('freeze', onFreeze);
    document.addEventListener('resume', onResume);
    Module['canvas'].addEventListener('webglcontextlost', onContextLost);
    Module['canvas'].addEventListener('webglcontextrestored', onContextRestored);
    // Opened behind another tab, it starts hidden.
    onVisibilityChange();
});

// The page sizes the canvas's own pixels in whole steps of the world's, in
// and out of fullscreen; the window's creation set them back to 512 x 384.
EM_JS(void, askPageToFitCanvas, (), {
    if (Module['fitCanvas']) {
        Module['fitCanvas']();
    }
});

}  // namespace

extern "C" {

// Asked by the page once the game's start-up is over: without a window there
// is nothing to play.
EMSCRIPTEN_KEEPALIVE int torvik_window_open() { return windowOpen() ? 1 : 0; }

// Read by the page to count the passes it has run.
EMSCRIPTEN_KEEPALIVE unsigned torvik_pass_count() { return browserLoop().passes; }

// Read beside the pass count to tell how far the passes are ahead of the
// page's clock: the pacer's accumulated error, and the page's time since the
// last pass read its clock.
EMSCRIPTEN_KEEPALIVE double torvik_pacer_accumulator() { return framePacer().sleepAccumulator; }
EMSCRIPTEN_KEEPALIVE double torvik_seconds_since_pass() {
    return pageClockSeconds() - framePacer().lastTime;
}

// Told by the page when it is hidden or frozen, and when it is back; when its
// WebGL context is lost, and when it is back.
EMSCRIPTEN_KEEPALIVE void torvik_page_hidden(int hidden) { setHeld(PageHold::hidden, hidden != 0); }
EMSCRIPTEN_KEEPALIVE void torvik_context_lost(int lost) {
    setHeld(PageHold::contextLost, lost != 0);
}

// Asked by the page how many whole steps of the world's 256 x 192 fit in this
// many of the screen's pixels: the same rule as the desktop's fullscreen.
EMSCRIPTEN_KEEPALIVE int torvik_whole_steps(int width, int height) {
    return wholeSteps(width, height);
}

// Told by the page when it has given the canvas this many pixels: the view is
// stretched over them, as over a desktop window (they are always 4:3).
EMSCRIPTEN_KEEPALIVE void torvik_canvas_resized(int width, int height) {
    if (windowOpen()) {
        onWindowResize(width, height);
    }
}
// The page's speaker button: the same switch as the M key, and its state.
EMSCRIPTEN_KEEPALIVE void torvik_toggle_sound() { toggleMute(); }
EMSCRIPTEN_KEEPALIVE int torvik_sound_muted() { return soundMuted() ? 1 : 0; }
}

void runMainLoop() {
    // The first pass comes straight away, as on the desktop; without a window
    // it is the only one.
    pagePass();
    if (!windowOpen()) {
        return;
    }
    watchPage();
    askPageToFitCanvas();
    // 0: at the browser's animation frame rate. Never returns: the page keeps
    // the run alive.
    emscripten_set_main_loop(onAnimationFrame, 0, EM_TRUE);
}
