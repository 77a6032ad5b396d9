#!/usr/bin/env bash
# Builds everything and runs every test: once as shipped, once more under
# AddressSanitizer and UndefinedBehaviorSanitizer; then the logic tests and
# the sound test under ThreadSanitizer. Brings its own virtual display when
# there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

jobs=$(nproc)

echo "== Format"
git ls-files '*.cpp' '*.hpp' | xargs clang-format --dry-run -Werror

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Build for the web and test it: logic tests under node, the page in headless Chromium"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DTORVIK_NATIVE_BUILD="$PWD/build" >/dev/null
cmake --build build-web -j"$jobs"
# puppeteer-core, at the version the lock file pins; it never fetches a browser.
if ! [ -d tests/web/node_modules/puppeteer-core ]; then
  npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
fi
ctest --test-dir build-web --output-on-failure

echo "== Build for Windows and test it: the .zip, its torvik.exe, and the game under Wine"
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DTORVIK_NATIVE_BUILD="$PWD/build" >/dev/null
cmake --build build-windows -j"$jobs"
ctest --test-dir build-windows --output-on-failure

echo "== Build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTORVIK_SANITIZE=ON \
  -DTORVIK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
# Mesa's own allocations outlive the process by design; the game's are
# checked by the leak checker through the logic tests, which need no GL.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== Build and test under ThreadSanitizer: the logic tests, and the game heard through a sound server"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVIK_TSAN=ON \
  -DTORVIK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-tsan -j"$jobs"
# Any report fails the test that made it (exit status 66). Mesa's software
# renderer draws on the game's own thread here: its workers are not built for
# the sanitizer, which cannot see how they agree with the game's. GCC 12's
# ThreadSanitizer cannot lay out its memory on kernels that randomise
# mappings with more than 28 bits; without the randomisation it always can.
tsan() { LP_NUM_THREADS=0 setarch "$(uname -m)" -R "$@"; }
tsan ctest --test-dir build-tsan --output-on-failure -j"$jobs" -LE 'display|package'
tsan ctest --test-dir build-tsan --output-on-failure -R '^e2e\.sound$'

echo "== Static checks"
tools/lint.sh
