#!/usr/bin/env bash
# The .zip a Windows player downloads holds exactly the game, its README and
# the licences, in one folder; unpacked for the tests that follow.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

zip=${ZIP:?the .zip the build packs}
folder=$(basename "$zip" .zip)
rm -f "$zip"
cmake --build "$BUILD_DIR" --target torvik_zip >"$BUILD_DIR/zip.log" 2>&1 ||
  { cat "$BUILD_DIR/zip.log" >&2; fail "packing the .zip"; }
[ -f "$zip" ] || fail "no $zip"

listed=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
diff <(echo "$listed") <(sed "s|^|$folder/|" "$ZIP_LIST") >&2 ||
  fail "the .zip's files differ from the list (above)"

unpacked=$(dirname "$UNPACKED")
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
cmp "$UNPACKED/LICENSE.txt" "$SOURCE_DIR/LICENSE" || fail "LICENSE.txt is not the game's licence"
cmp "$UNPACKED/GLFW-LICENSE.txt" "$SOURCE_DIR/third_party/glfw/LICENSE.md" || fail "GLFW's licence"
grep -q "^Torvik ${VERSION:?} for Windows (64-bit)"$'\r$' "$UNPACKED/README.txt" ||
  fail "README.txt: not of version $VERSION, or not in CR LF lines"
echo "$(wc -c <"$zip") bytes: $(echo "$listed" | tr '\n' ' ')"
