// Holds the real game after a chosen pass, so that a test sees exactly what
// that pass drew and presses keys between two known passes, however slowly
// the machine runs. Preloaded into the game, it counts buffer swaps (one per
// main-loop pass with a window) and, once the count reaches the pass it was
// told to stop after, waits inside the swap until told how far to go next.
// The game is not changed: held passes only come later, and one pass is
// still one tick. Its clock stands still while it is held, so its pacer
// owes nothing for the hold and does not hurry the passes after it.
//
//   mkfifo DIR/go DIR/held
//   PASS_GATE=DIR PASS_GATE_HOLD=1 LD_PRELOAD=build/tests/e2e/libtorvik_pass_gate.so build/torvik
//
// Held, it writes its pass count as a line to the FIFO DIR/held and reads
// the next pass number as a line from the FIFO DIR/go: it runs on until that
// many passes are done, or, for 0, freely from then on. PASS_GATE_HOLD is the
// first pass to stop after (none when unset or 0). As the game ends, its pass
// count goes into the file DIR/last.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

struct GLFWwindow;

namespace {

struct Gate {
    const char* dir = std::getenv("PASS_GATE");
    unsigned long passes = 0;
    unsigned long holdAfter = 0;
    double heldSeconds = 0.0;  // kept off the game's clock
    Gate() {
        if (const char* hold = std::getenv("PASS_GATE_HOLD"); hold != nullptr) {
            holdAfter = std::strtoul(hold, nullptr, 10);
        }
    }
    ~Gate() {
        if (dir == nullptr) {
            return;
        }
        char path[4096];
        std::snprintf(path, sizeof path, "%s/last", dir);
        if (std::FILE* last = std::fopen(path, "w"); last != nullptr) {
            std::fprintf(last, "%lu\n", passes);
            std::fclose(last);
        }
    }
    Gate(const Gate&) = delete;
    Gate& operator=(const Gate&) = delete;
};

Gate& gate() {
    static Gate instance;
    return instance;
}

// A line to or from one of the gate's FIFOs; opening one waits for the
// other end.
void writeLine(const Gate& g, const char* name, unsigned long value) {
    char path[4096];
    std::snprintf(path, sizeof path, "%s/%s", g.dir, name);
    const int fifo = open(path, O_WRONLY);
    if (fifo < 0) {
        return;
    }
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%lu\n", value);
    [[maybe_unused]] const ssize_t written = write(fifo, text, static_cast<std::size_t>(length));
    close(fifo);
}

unsigned long readLine(const Gate& g, const char* name) {
    char path[4096];
    std::snprintf(path, sizeof path, "%s/%s", g.dir, name);
    const int fifo = open(path, O_RDONLY);
    if (fifo < 0) {
        return 0;
    }
    char text[32] = {};
    std::size_t used = 0;
    // One byte at a time: the line ends where the next one would begin.
    while (used + 1 < sizeof text && read(fifo, text + used, 1) == 1 && text[used] != '\n') {
        ++used;
    }
    close(fifo);
    return std::strtoul(text, nullptr, 10);
}

double realTime() {
    using GetTime = double (*)();
    static const auto real = reinterpret_cast<GetTime>(dlsym(RTLD_NEXT, "glfwGetTime"));
    return real();
}

void hold(Gate& g) {
    if (g.holdAfter == 0 || g.passes < g.holdAfter) {
        return;
    }
    const double heldAt = realTime();
    while (g.holdAfter != 0 && g.passes >= g.holdAfter) {
        writeLine(g, "held", g.passes);
        const unsigned long next = readLine(g, "go");
        // Told to go nowhere, or back: still held here.
        if (next == 0 || next > g.passes) {
            g.holdAfter = next;
        }
    }
    g.heldSeconds += realTime() - heldAt;
}

}  // namespace

extern "C" double glfwGetTime() { return realTime() - gate().heldSeconds; }

extern "C" void glfwSwapBuffers(GLFWwindow* window) {
    using Swap = void (*)(GLFWwindow*);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glfwSwapBuffers"));
    real(window);
    Gate& g = gate();
    ++g.passes;
    if (g.dir != nullptr) {
        hold(g);
    }
}
