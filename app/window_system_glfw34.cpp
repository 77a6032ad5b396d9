// The desktop's GLFW 3.4, as Debian 13 has it: a native Wayland client where
// a Wayland session runs, X11 otherwise. On Wayland the desktop places the
// window and sizes it in its own units, and the window is known by its
// app_id; libdecor draws its title bar where the desktop leaves that to the
// program (GNOME).

#include <GLFW/glfw3.h>
#include <dirent.h>
#include <dlfcn.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/window_system.hpp"

namespace {

bool absolutePath(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/';
}

// A session's socket handed over, one named by path, or a runtime directory
// to look for one in.
bool waylandReachable() {
    return std::getenv("WAYLAND_SOCKET") != nullptr || absolutePath("WAYLAND_DISPLAY") ||
           absolutePath("XDG_RUNTIME_DIR");
}

bool holdsPlugin(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (length > 3 && std::strcmp(entry->d_name + length - 3, ".so") == 0) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

// Whether libdecor has a plugin to draw with, looked for where it looks: the
// folders its variable names, else plugins-1 beside its own library.
bool decorationPluginInstalled() {
    if (const char* folders = std::getenv("LIBDECOR_PLUGIN_DIR"); folders != nullptr) {
        const std::string list = folders;
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t end = std::min(list.find(':', start), list.size());
            if (end > start && holdsPlugin(list.substr(start, end - start))) {
                return true;
            }
            start = end + 1;
        }
        return false;
    }
    void* library = dlopen("libdecor-0.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) {
        return false;
    }
    char origin[PATH_MAX] = {};
    const bool located = dlinfo(library, RTLD_DI_ORIGIN, origin) == 0;
    dlclose(library);
    return located && holdsPlugin(std::string(origin) + "/libdecor/plugins-1");
}

}  // namespace

// Where no Wayland display can be reached at all, Wayland's client library
// complains on stderr before GLFW gives way to X11: the game goes
// there straight away, and a failed window says only what the game says.
// Without a decoration plugin, libdecor says so twice on stderr and draws no
// title bar at all; GLFW's own plain frame (or the desktop's, where it
// offers one) is the better window, and says nothing.
void prepareWindowSystem() {
    if (!waylandReachable()) {
        glfwInitHint(GLFW_PLATFORM, GLFW_PLATFORM_X11);
    } else if (!decorationPluginInstalled()) {
        glfwInitHint(GLFW_WAYLAND_LIBDECOR, GLFW_WAYLAND_DISABLE_LIBDECOR);
    }
}

// Wayland desktops find a window's menu entry and icon by its app_id, X
// desktops by its class: both are the menu entry's name.
void nameWindowForDesktop() {
    glfwWindowHintString(GLFW_WAYLAND_APP_ID, TORVIK_APP_ID);
    glfwWindowHintString(GLFW_X11_CLASS_NAME, TORVIK_APP_ID);
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, TORVIK_APP_ID);
}

bool windowSwitchesFullscreen() { return true; }

void askPageForFullscreen() {}

void showSoundSwitched() {}

bool windowPositionsKnown() { return glfwGetPlatform() != GLFW_PLATFORM_WAYLAND; }

bool windowUnitsArePixels() { return glfwGetPlatform() != GLFW_PLATFORM_WAYLAND; }
