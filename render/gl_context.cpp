#include "render/gl_context.hpp"

bool& glContextReady() {
    static bool ready = false;
    return ready;
}
