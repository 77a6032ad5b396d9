// Windows' own sound says nothing on the game's output while it is probed.

#include "audio/quiet_backends.hpp"

void quietenSoundBackends() {}
