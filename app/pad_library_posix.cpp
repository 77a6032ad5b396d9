// Linux's and the page's gamepads need no library kept loaded.

#include "app/pad_library.hpp"

void keepPadLibraryLoaded() {}
