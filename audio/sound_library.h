/* miniaudio, configured once for everything that includes it: the
   build of its implementation and the device edge must agree, since what is
   enabled changes the size of its structures. Only what the game plays
   through: a playback device on PulseAudio or ALSA on Linux, WASAPI on
   Windows, and the silent null device when there is none of them (a page
   has an output of its own, audio/device_browser.cpp). No decoding,
   encoding, mixing graph or resource loading: the game makes its own
   sounds. */
#pragma once

#define MA_ENABLE_ONLY_SPECIFIC_BACKENDS
#define MA_ENABLE_PULSEAUDIO
#define MA_ENABLE_ALSA
#define MA_ENABLE_WASAPI
#define MA_ENABLE_NULL
#define MA_NO_DECODING
#define MA_NO_ENCODING
#define MA_NO_RESOURCE_MANAGER
#define MA_NO_NODE_GRAPH
#define MA_NO_ENGINE
#define MA_NO_GENERATION

#include "miniaudio.h"
