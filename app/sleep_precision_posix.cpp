// Linux and the page sleep (or wait) to the millisecond by themselves.

#include "app/sleep_precision.hpp"

void beginFineSleeps() {}

void endFineSleeps() {}
