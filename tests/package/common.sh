# Shared by the package tests: the layout every install must have, and the
# checks of what a desktop reads from it.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

LAYOUT="$(dirname "${BASH_SOURCE[0]}")/layout.txt"
APP_ID=org.torvik.torvik

# The files under prefix $1, one a line, sorted, against the layout.
check_layout() {
  local got
  got=$(cd "$1" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  diff <(LC_ALL=C sort "$LAYOUT") <(echo "$got") >&2 || fail "files under $1 differ from the layout"
  [ -x "$1/games/torvik" ] || fail "games/torvik is not executable"
}

# Menu entry and software-centre metadata under prefix $1: valid, and naming
# one another, the game and the icon by the one id.
check_desktop_metadata() {
  local desktop="$1/share/applications/$APP_ID.desktop"
  local metainfo="$1/share/metainfo/$APP_ID.metainfo.xml"
  desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
  grep -qx "Exec=torvik" "$desktop" || fail "the menu entry does not start torvik"
  grep -qx "Icon=$APP_ID" "$desktop" || fail "the menu entry names another icon"
  grep -qx "Categories=Game;ArcadeGame;" "$desktop" || fail "menu categories"
  local report
  report=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) ||
    fail "appstreamcli validate: $report"
  ! grep -q '^ *[EW]:' <<<"$report" || fail "appstreamcli: $report"
  grep -q "<id>$APP_ID</id>" "$metainfo" || fail "metainfo id"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "metainfo launches another desktop entry"
}

# The icons under prefix $1: square RGBA, transparent around the creature,
# every pixel wholly opaque or wholly clear, and at the sizes the frame fits
# it is the frame's 15 x 27 opaque texels grown by a whole step.
check_icons() {
  local size icon scale
  for size in 16 32 48 64 128 256; do
    icon="$1/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    # ImageMagick 7 follows the channels with their count.
    [[ "$(identify -format '%wx%h %[channels]' "$icon")" =~ ^${size}x$size\ srgba(\ 4\.0)?$ ]] ||
      fail "$icon is not $size px square RGBA"
    [ "$(convert "$icon" -format '%[pixel:p{0,0}]' info:)" = "srgba(0,0,0,0)" ] ||
      fail "$icon: corner not transparent"
    convert "$icon" -fill black +opaque 'rgb(255,131,0)' -format '%@' info: | grep -qv '^0x0' ||
      fail "$icon does not show the creature"
    [ "$(convert "$icon" -alpha extract -format '%k' info:)" -le 2 ] || fail "$icon: blurred edges"
    if [ "$size" -ge 27 ]; then
      scale=$((size / 27))
      [[ "$(convert "$icon" -format '%@' info:)" == "$((15 * scale))x$((27 * scale))+"* ]] ||
        fail "$icon: the creature is not grown $scale times"
    fi
  done
}
