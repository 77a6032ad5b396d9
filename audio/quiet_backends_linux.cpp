// ALSA complains on stderr while it is probed on a machine without sound;
// the same libasound miniaudio opens gets a handler that says nothing.
// It stays loaded for the run.

#include <dlfcn.h>

#include "audio/quiet_backends.hpp"

namespace {

void swallowAlsaMessage(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
                        const char* /*fmt*/, ...) {}

}  // namespace

void quietenSoundBackends() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (alsa == nullptr) {
        return;
    }
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (void* set = dlsym(alsa, "snd_lib_error_set_handler"); set != nullptr) {
        reinterpret_cast<SetHandler>(set)(swallowAlsaMessage);
    }
}
