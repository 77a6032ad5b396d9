#!/usr/bin/env bash
# Static checks: clang-tidy over every source a build compiles, and through
# them every header of ours (.clang-tidy's HeaderFilterRegex), then cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh native-tests static
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" >/dev/null # compile_commands.json and generated headers

# The sources of ours a build compiles, from its compile commands, relative
# to the repository: never third_party/'s.
sources_of() {
  grep -o '"file": "[^"]*"' "$1/compile_commands.json" | sed 's/^"file": "//; s/"$//' |
    sed -n "s|^$PWD/||p" | grep -v '^third_party/' | grep -v '^build' | sort -u
}

mapfile -t desktop < <(sources_of build)
echo "== clang-tidy (${#desktop[@]} files of the desktop build)"
printf '%s\n' "${desktop[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build --quiet 2>/dev/null

# A platform's own files, checked against its build's compile commands when
# there is one (tools/test.sh web and windows make them): clang-tidy takes
# the target from the cross compiler's name, the browser's headers from the
# toolchain's sysroot.
others=()
for build in build-web-dev build-windows-dev; do
  if ! [ -f "$build/compile_commands.json" ]; then
    echo "== clang-tidy, $build: skipped, not built here"
    continue
  fi
  mapfile -t own < <(sources_of "$build" | grep '\.cpp$' | grep -vxF -f <(printf '%s\n' "${desktop[@]}"))
  others+=("${own[@]}")
  echo "== clang-tidy (${#own[@]} files of $build alone)"
  [ ${#own[@]} -gt 0 ] || continue
  extra=()
  if [ "$build" = build-web-dev ]; then
    sysroot=/usr/share/emscripten/cache/sysroot
    extra=(--extra-arg=--target=wasm32-unknown-emscripten --extra-arg=-nostdinc++
      --extra-arg=-isystem$sysroot/include/c++/v1 --extra-arg=-isystem$sysroot/include/compat
      --extra-arg=-isystem$sysroot/include --extra-arg=-D__EMSCRIPTEN__)
  fi
  clang-tidy -p "$build" --quiet "${extra[@]}" "${own[@]}" 2>/dev/null
done

# A header no checked source includes would never be read.
mapfile -t headers < <(find app world characters render assets audio tools packaging tests bench \
  \( -name '*.hpp' -o -name '*.h' \) -not -path '*/node_modules/*' | sort)
unread=()
for header in "${headers[@]}"; do
  grep -qF "#include \"$header\"" "${desktop[@]}" "${others[@]}" "${headers[@]}" || unread+=("$header")
done
if [ ${#unread[@]} -gt 0 ]; then
  echo "headers that no checked source includes, so clang-tidy never reads: ${unread[*]}" >&2
  exit 1
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
