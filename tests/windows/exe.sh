#!/usr/bin/env bash
# The packed torvik.exe stands alone: a window program (no console) that
# imports only DLLs every Windows has, carrying its manifest, its version
# information and the icon drawn by the desktop icons' drawer.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
exe=$UNPACKED/torvik.exe

headers=$("$OBJDUMP" -p "$exe")
grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a window program"
mapfile -t dlls < <(sed -n 's/^\tDLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
[ ${#dlls[@]} -gt 0 ] || fail "no imports found"
system='^(kernel32|user32|gdi32|shell32|opengl32|glu32|winmm|ole32|msvcrt|advapi32)\.dll$'
for dll in "${dlls[@]}"; do
  [[ "$dll" =~ $system ]] || fail "imports $dll, which Windows does not bring"
done

# The manifest is plain text; the version strings are UTF-16.
strings -a "$exe" | grep -q '<dpiAwareness[^>]*>PerMonitorV2' || fail "no DPI-aware manifest"
version=$(strings -a -n 3 -el "$exe")
for want in ProductName Torvik ProductVersion "${VERSION:?}" LegalCopyright; do
  grep -qx "$want" <<<"$version" || fail "version information lacks $want"
done

# Every image of the .ico, a PNG each, is inside the exe byte for byte, and
# the largest is the 256 px desktop icon of the native build.
identify -format '%m %wx%h\n' "$ICO" >"$ICO.frames"
diff <(printf 'PNG %s\n' 16x16 32x32 48x48 256x256) "$ICO.frames" >&2 || fail "the .ico's images"
python3 - "$exe" "$ICO" <<'PY' || fail "the icon's images are not all in the exe"
import struct, sys
exe, ico = (open(name, "rb").read() for name in sys.argv[1:])
count = struct.unpack_from("<H", ico, 4)[0]
for i in range(count):
    size, offset = struct.unpack_from("<II", ico, 6 + 16 * i + 8)
    assert ico[offset:offset + size] in exe, f"image {i}"
PY
desktop_icon=$NATIVE_BUILD/packaging/icon-256.png
[ -f "$desktop_icon" ] || fail "no $desktop_icon: build the native game first"
[ "$(compare -metric AE "$ICO[3]" "$desktop_icon" null: 2>&1)" = 0 ] ||
  fail "the 256 px image differs from the desktop icon"
echo "imports ${dlls[*]}; a window program with its manifest, version and icon"
