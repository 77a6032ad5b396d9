// Windows rounds every sleep up to its timer tick unless a program asks for
// 1 ms while it runs.

#include <windows.h>
// After windows.h, which it needs.
#include <timeapi.h>

#include "app/sleep_precision.hpp"

void beginFineSleeps() { timeBeginPeriod(1); }

void endFineSleeps() { timeEndPeriod(1); }
