// The one place miniaudio is called: the output device, opened at
// start-up on whatever the machine has (PulseAudio, ALSA, WASAPI) and
// otherwise on miniaudio's silent null device; never a word printed.

#include "audio/quiet_backends.hpp"
#include "audio/sound.hpp"
#include "audio/sound_library.h"

namespace {

struct SoundDevice {
    ma_context context{};
    ma_device device{};
    bool contextReady = false;
    bool deviceReady = false;
};

SoundDevice& soundDevice() {
    static SoundDevice device;
    return device;
}

void onSoundWanted(ma_device* device, void* out, const void* /*in*/, ma_uint32 frames) {
    renderSound(static_cast<float*>(out), frames, device->playback.channels);
}

// About 10 ms a period: a sound a pass queues is mixed within that.
constexpr ma_uint32 periodMilliseconds = 10;

// The backends in the order they are tried. A backend whose library loads may
// still have no device (ALSA on a machine without a sound card): then the
// ones after it are tried, down to the null device, which always opens.
constexpr ma_backend backends[] = {ma_backend_pulseaudio, ma_backend_alsa, ma_backend_wasapi,
                                   ma_backend_null};
constexpr ma_uint32 backendCount = sizeof backends / sizeof backends[0];

bool openDevice(SoundDevice& sound) {
    ma_device_config config = ma_device_config_init(ma_device_type_playback);
    config.playback.format = ma_format_f32;
    config.playback.channels = 1;
    config.sampleRate = soundRate;
    config.periodSizeInMilliseconds = periodMilliseconds;
    config.performanceProfile = ma_performance_profile_low_latency;
    config.dataCallback = onSoundWanted;
    sound.deviceReady = ma_device_init(&sound.context, &config, &sound.device) == MA_SUCCESS;
    return sound.deviceReady;
}

}  // namespace

void startSound() {
    soundBank();  // synthesized now, never in the callback
    SoundDevice& sound = soundDevice();
    if (sound.contextReady) {
        return;
    }
    quietenSoundBackends();
    ma_context_config contextConfig = ma_context_config_init();
    contextConfig.pulse.pApplicationName = "Torvik";
    ma_uint32 first = 0;
    while (first < backendCount) {
        if (ma_context_init(backends + first, backendCount - first, &contextConfig,
                            &sound.context) != MA_SUCCESS) {
            return;
        }
        sound.contextReady = true;
        if (openDevice(sound)) {
            break;
        }
        const ma_backend failed = sound.context.backend;
        stopSound();
        while (first < backendCount && backends[first] != failed) {
            ++first;
        }
        ++first;
    }
    if (sound.deviceReady && ma_device_start(&sound.device) != MA_SUCCESS) {
        stopSound();
    }
}

void stopSound() {
    SoundDevice& sound = soundDevice();
    if (sound.deviceReady) {
        ma_device_uninit(&sound.device);
        sound.deviceReady = false;
    }
    if (sound.contextReady) {
        ma_context_uninit(&sound.context);
        sound.contextReady = false;
    }
}
