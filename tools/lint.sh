#!/usr/bin/env bash
# Static checks: clang-tidy over every source, then cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null  # compile_commands.json and generated headers

mapfile -t sources < <(git ls-files 'app/*.cpp' 'world/*.cpp' 'characters/*.cpp' 'render/*.cpp' \
  'assets/*.cpp' 'tools/*.cpp' 'packaging/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
echo "== clang-tidy (${#sources[@]} files)"
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build --quiet 2>/dev/null

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability \
  --inline-suppr --std=c++20 --suppress=missingIncludeSystem \
  -I . app world characters render assets tools packaging
