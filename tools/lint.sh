#!/usr/bin/env bash
# Static checks: clang-tidy over every source, then cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null  # compile_commands.json and generated headers

# The browser's own sources are checked against the web build's compile
# commands, with the toolchain's headers.
browser_only=(app/main_loop_browser.cpp app/pad_source_browser.cpp app/screen_scale_browser.cpp
  web/favicon.cpp web/app_icon.cpp)
mapfile -t sources < <(git ls-files 'app/*.cpp' 'world/*.cpp' 'characters/*.cpp' 'render/*.cpp' \
  'assets/*.cpp' 'audio/*.cpp' 'tools/*.cpp' 'packaging/*.cpp' 'tests/*.cpp' 'bench/*.cpp' |
  grep -vxF -f <(printf '%s\n' "${browser_only[@]}"))
echo "== clang-tidy (${#sources[@]} files)"
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build --quiet 2>/dev/null

if [ -f build-web/compile_commands.json ]; then
  echo "== clang-tidy, browser sources (${#browser_only[@]} files)"
  sysroot=/usr/share/emscripten/cache/sysroot
  clang-tidy -p build-web --quiet "${browser_only[@]}" --extra-arg=--target=wasm32-unknown-emscripten \
    --extra-arg=-nostdinc++ --extra-arg=-isystem$sysroot/include/c++/v1 --extra-arg=-isystem$sysroot/include/compat \
    --extra-arg=-isystem$sysroot/include --extra-arg=-D__EMSCRIPTEN__ 2>/dev/null
else
  echo "== clang-tidy, browser sources: skipped, no web build (tools/web.sh build makes one)"
fi

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
  --inline-suppr --std=c++20 --suppress=missingIncludeSystem \
  -I . app world characters render assets audio tools packaging
