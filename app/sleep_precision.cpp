#include "app/sleep_precision.hpp"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <timeapi.h>

void beginFineSleeps() { timeBeginPeriod(1); }

void endFineSleeps() { timeEndPeriod(1); }
#else
void beginFineSleeps() {}

void endFineSleeps() {}
#endif
