#!/usr/bin/env bash
# The desktop sees one Kwintor: installed into a scratch prefix, its desktop entry, AppStream
# file and icons carry one application id, and the class of its running window is the one the
# desktop entry names in StartupWMClass.
# usage: desktop_ids.sh BUILD_FOLDER
set -euo pipefail
build=${1:?usage: desktop_ids.sh BUILD_FOLDER}
prefix=$(mktemp -d)
pid="" xvfb=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$prefix"' EXIT
fail() {
  echo "desktop_ids: FAILED: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] || fail "not one desktop entry: ${entries[*]}"
desktop=${entries[0]}
id=$(basename "$desktop" .desktop)
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream file named after $id"
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the AppStream file launches another entry"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
icons=$(find "$prefix/share/icons" -name '*.png')
[ -n "$icons" ] || fail "no icons"
for icon in $icons; do
  [ "$(basename "$icon")" = "$id.png" ] || fail "an icon named otherwise: $icon"
done
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$class" ] || fail "the desktop entry names no window class"

# The installed program on a private X display, with a home of its own.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb <&3
read -r -t 20 display <&3 || fail "no X display"
export DISPLAY=:$display HOME=$prefix/home XDG_DATA_HOME=$prefix/home/data
unset QT_QPA_PLATFORM
mkdir -p "$HOME"
"$prefix/bin/kwintor" >/dev/null 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n1) || true
[ -n "$window" ] || fail "no window"
wm_class=$(xprop -id "$window" WM_CLASS)
# WM_CLASS(STRING) = "instance", "class"
[ "$(echo "$wm_class" | sed -n 's/.*, "\(.*\)"$/\1/p')" = "$class" ] ||
  fail "the window's class ($wm_class) is not the desktop entry's StartupWMClass ($class)"
echo "desktop_ids: $id; window class $class"
