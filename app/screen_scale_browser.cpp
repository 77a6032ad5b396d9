// A page has no monitors to choose from: the page sizes the canvas in whole
// steps itself, with the screen's pixel ratio (web/page.js), and fullscreen is
// the page's too.

#include "app/screen_scale.hpp"

WindowSize openingWindowSize() { return windowSizeFor(1.0F, 0, 0); }

void followScreenScale(GLFWwindow* /*window*/) {}

void resizeIfScaleChanged(GLFWwindow* /*window*/) {}

GLFWmonitor* monitorOf(GLFWwindow* /*window*/) { return nullptr; }

bool coversItsMonitor(GLFWwindow* /*window*/, int /*width*/, int /*height*/) { return false; }
