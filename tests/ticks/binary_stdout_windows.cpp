// Windows only: the tick log's stdout in binary mode, so its lines end in LF
// as on every other build instead of the C runtime's CR LF.

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

const int binaryStdout = _setmode(_fileno(stdout), _O_BINARY);

}  // namespace
