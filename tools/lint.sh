#!/usr/bin/env bash
# Static checks: clang-tidy over every source, then cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh native-tests static
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" >/dev/null  # compile_commands.json and generated headers

# The browser's own sources are checked against a web build's compile
# commands, with the toolchain's headers.
browser_only=(app/main_loop_browser.cpp app/pad_source_browser.cpp app/screen_scale_browser.cpp
  audio/device_browser.cpp render/gl_browser.cpp render/gl_layer.cpp tests/unit/gl_layer_test.cpp)
mapfile -t sources < <(find app world characters render assets audio tools packaging tests bench \
  -name '*.cpp' | sort | grep -vxF -f <(printf '%s\n' "${browser_only[@]}"))
echo "== clang-tidy (${#sources[@]} files)"
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build --quiet 2>/dev/null

web_build=""
for dir in build-web-dev build-web; do
  if [ -f "$dir/compile_commands.json" ]; then
    web_build=$dir
    break
  fi
done
if [ -n "$web_build" ]; then
  echo "== clang-tidy, browser sources (${#browser_only[@]} files)"
  sysroot=/usr/share/emscripten/cache/sysroot
  clang-tidy -p "$web_build" --quiet "${browser_only[@]}" --extra-arg=--target=wasm32-unknown-emscripten \
    --extra-arg=-nostdinc++ --extra-arg=-isystem$sysroot/include/c++/v1 --extra-arg=-isystem$sysroot/include/compat \
    --extra-arg=-isystem$sysroot/include --extra-arg=-D__EMSCRIPTEN__ 2>/dev/null
else
  echo "== clang-tidy, browser sources: skipped, no web build (tools/web.sh build makes one)"
fi

echo "== cppcheck"
# From 2.11 on, cppcheck follows only some of a function's branches unless
# asked for all of them, as the ones before always did.
level=()
if cppcheck --help | grep -q -- '--check-level'; then
  level=(--check-level=exhaustive)
fi
cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
  --inline-suppr --std=c++20 --suppress=missingIncludeSystem "${level[@]}" \
  -I . app world characters render assets audio tools packaging
