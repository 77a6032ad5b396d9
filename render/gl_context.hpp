#pragma once

// Whether the game has a current OpenGL context. Without a window there is
// none, and the renderer then issues no GL call at all.
bool& glContextReady();
