// A keyboard for the Wayland tests: presses keys on the compositor's seat
// as a player's keyboard does, so they reach whichever window has the focus.
// One keyboard is kept for the whole run, with xkbcommon's default keymap
// (the one a desktop gives a plain US keyboard), so the keys arrive as the
// game's library expects them.
//
// usage: press_keys, fed lines on stdin:
//   down CODE, up CODE   a key pressed or let go, by its evdev code
//                        (Left 105, Right 106, X 45, F11 87, Enter 28, M 50)
//   alt, plain           Alt held from now on, or no modifier
// Each line is answered "ok" on stdout once the compositor has it.

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include <virtual_keyboard.h>

namespace {

struct Seat {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* manager = nullptr;
};

void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    auto* found = static_cast<Seat*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && found->seat == nullptr) {
        found->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        found->manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}

void onGlobalRemove(void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

const wl_registry_listener registryListener{onGlobal, onGlobalRemove};

std::uint32_t nowMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// The keymap goes to the compositor as a file, the text and its end.
bool sendKeymap(zwp_virtual_keyboard_v1* keyboard, const char* text) {
    const std::size_t size = std::strlen(text) + 1;
    const int file = memfd_create("keymap", MFD_CLOEXEC);
    if (file < 0) {
        return false;
    }
    std::size_t written = 0;
    while (written < size) {
        const ssize_t count = write(file, text + written, size - written);
        if (count <= 0) {
            close(file);
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, file,
                                   static_cast<std::uint32_t>(size));
    close(file);
    return true;
}

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "press_keys: no Wayland display\n");
        return 1;
    }
    Seat found;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &found);
    wl_display_roundtrip(display);
    if (found.seat == nullptr || found.manager == nullptr) {
        std::fprintf(stderr, "press_keys: the compositor offers no seat or no virtual keyboard\n");
        return 1;
    }

    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap = context != nullptr ? xkb_keymap_new_from_names(context, nullptr,
                                                                        XKB_KEYMAP_COMPILE_NO_FLAGS)
                                            : nullptr;
    char* text =
        keymap != nullptr ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(found.manager, found.seat);
    if (text == nullptr || !sendKeymap(keyboard, text)) {
        std::fprintf(stderr, "press_keys: no keymap to send\n");
        return 1;
    }
    std::free(text);
    const std::uint32_t alt = 1U << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_ALT);
    wl_display_roundtrip(display);

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string word;
        std::uint32_t code = 0;
        words >> word;
        if ((word == "down" || word == "up") && words >> code) {
            zwp_virtual_keyboard_v1_key(
                keyboard, nowMs(), code,
                word == "down" ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        } else if (word == "alt" || word == "plain") {
            zwp_virtual_keyboard_v1_modifiers(keyboard, word == "alt" ? alt : 0, 0, 0, 0);
        } else {
            std::fprintf(stderr, "press_keys: not understood: %s\n", line.c_str());
            return 2;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::fprintf(stderr, "press_keys: the compositor went away\n");
            return 1;
        }
        std::cout << "ok\n" << std::flush;
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    wl_display_disconnect(display);
    return 0;
}
