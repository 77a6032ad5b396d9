#!/bin/sh
# Puts Torvik in this user's menu: its menu entry (starting the game in this
# folder), icons, metadata and manual page under ~/.local/share. Run again
# after moving the folder; `./install.sh remove` takes them away.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
id=org.torvik.torvik
files="applications/$id.desktop metainfo/$id.metainfo.xml man/man6/torvik.6.gz"
for size in 16 32 48 64 128 256; do
  files="$files icons/hicolor/${size}x$size/apps/$id.png"
done
# The menu entry names the game by its path, quoted; a path the entry could
# not carry plainly is refused before anything is copied.
if [ "${1:-}" != remove ]; then
  case "$here" in
    *[\"\`\$\\%]* | *"
"*)
      echo "install.sh: move the folder to a path without \" \` \$ \\ % or line breaks first" >&2
      exit 1
      ;;
  esac
fi
for file in $files; do
  rm -f "$data/$file"
  if [ "${1:-}" != remove ]; then
    mkdir -p "$(dirname "$data/$file")"
    cp "$here/share/$file" "$data/$file"
  fi
done
if [ "${1:-}" != remove ]; then
  # The menu starts the game where it is, quoted for a folder name with spaces.
  awk -v exec="Exec=\"$here/torvik\"" '$0 == "Exec=torvik" { $0 = exec } { print }' \
    "$here/share/applications/$id.desktop" >"$data/applications/$id.desktop"
  echo "Torvik is in the menu under Games; it starts $here/torvik"
fi
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database -q "$data/applications" || true
