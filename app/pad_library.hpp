#pragma once

// Windows reads gamepads through its XInput library, which GLFW
// loads at start-up and unloads as it shuts down. Wine's XInput runs a thread
// of its own in that library, and now and then the thread is still running
// when XInput goes: the game then crashes on its way out, and Wine's
// debugger can hold it open. Kept loaded until the process ends, XInput
// outlives its thread. Nothing to keep elsewhere.
void keepPadLibraryLoaded();
