#pragma once

// Keeps what the sound backends say for themselves while the device is
// probed off the game's output: on a machine without sound the game says
// nothing about it.
void quietenSoundBackends();
