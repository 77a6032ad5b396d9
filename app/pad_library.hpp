#pragma once

// Windows reads gamepads through its XInput library, which the window library
// loads at start-up and unloads as it shuts down. Wine's XInput runs a thread
// of its own in that library, and now and then the thread is still running
// when the library goes: the game then crashes on its way out, and Wine's
// debugger can hold it open. Kept loaded until the process ends, the library
// outlives its thread. Nothing to keep elsewhere.
void keepPadLibraryLoaded();
