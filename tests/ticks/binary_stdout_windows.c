/* Windows only: the tick log's stdout in binary mode, so its lines end in LF
   as on every other build instead of the C runtime's CR LF. Set before main,
   so the program itself knows nothing of it. */

#include <fcntl.h>
#include <io.h>
#include <stdio.h>

__attribute__((constructor)) static void binaryStdout(void) {
    _setmode(_fileno(stdout), _O_BINARY);
}
