/* miniaudio's implementation, compiled here once, as C. */
#define MINIAUDIO_IMPLEMENTATION
#include "audio/sound_library.h"
