#!/usr/bin/env bash
# Runs Kwintor where a Wayland desktop runs it: under sway with no X server at all (headless
# output, XWayland off), and checks that its windows are native Wayland clients with the
# application id of the desktop entry; passes the title window by Return, plays a few turns by
# keys, opens and closes a menu and a dialog, and leaves through the exit question with the files
# written. Its main window, drawn there, is compared with the same window drawn on an X server
# (Xvfb), the clock and the menu bar's message blanked.
#
# Usage: check.sh <program>. sway refuses to run as root, so as root the compositor, the keys,
# the screenshots and the program run as an ordinary system user (made if missing); every file
# lives in a private scratch folder under /tmp, the system's own settings are never touched.
set -euo pipefail
program=$(readlink -f "$1")
app_id=org.example.dobbelwerken.kwintor
work=$(mktemp -d /tmp/kwintor-wayland.XXXXXX)
keep=${KWINTOR_KEEP_LOG:-}
user=kwintor-wayland

say() { echo "wayland-check: $*"; }
fail() {
  say "FAILED: $*" >&2
  exit 1
}

cleanup() {
  for pid in ${keyboard:-} ${game:-} ${sway:-} ${xvfb:-}; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  # A failure keeps the logs and the screenshots.
  if [ -z "$keep" ] && [ "${status:-1}" -eq 0 ]; then
    rm -rf "$work"
  else
    echo "wayland-check: files kept in $work"
  fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM
start=$(date +%s)

# Who runs it all: this user, or as root an ordinary system user of the check's own.
as=()
if [ "$(id -u)" -eq 0 ]; then
  id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
  as=(setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups)
fi
mkdir -p "$work/home" "$work/run" "$work/wayland" "$work/x11" "$work/shots"
chmod 700 "$work/run"
chmod 755 "$work"
# The program starts in an empty folder of its own, where it keeps its files: one for each run.
for run in wayland x11; do cp "$program" "$work/$run/kwintor"; done
[ ${#as[@]} -eq 0 ] || chown -R "$user" "$work/home" "$work/run" "$work/wayland" "$work/x11" "$work/shots"

cat >"$work/sway.conf" <<'CONF'
xwayland disable
output HEADLESS-1 resolution 1280x1024 scale 1 background #305030 solid_color
default_border none
default_floating_border none
focus_follows_mouse no
CONF

run() { # a command as the check's user, in the Wayland session only
  "${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 \
    WAYLAND_DISPLAY="${wayland_display:-}" SWAYSOCK="${swaysock:-}" "$@"
}
# The same in the background; $! is then the command's own process, which the end can stop.
spawn() { (exec "${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 \
  WAYLAND_DISPLAY="${wayland_display:-}" SWAYSOCK="${swaysock:-}" "$@") & }

"${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 \
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway=$!
for _ in $(seq 100); do
  wayland_display=$(cd "$work/run" && ls wayland-[0-9] 2>/dev/null | head -n1 || true)
  swaysock=$(ls "$work"/run/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
  [ -n "$wayland_display" ] && [ -n "$swaysock" ] && break
  sleep 0.1
done
[ -n "$wayland_display" ] && [ -n "$swaysock" ] || { cat "$work/sway.log" >&2; fail "sway did not start"; }
[ -z "${DISPLAY:-}" ] || say "the X display $DISPLAY is left out of the program's world"

tree() { run swaymsg -t get_tree -r; }
# The windows of the tree, one a line: shell, app id, title, and x y width height.
windows() {
  tree | jq -r '.. | objects | select(.type == "con" or .type == "floating_con") | select(.pid != null) |
    [.shell, (.app_id // "-"), .name, .rect.x, .rect.y, .rect.width, .rect.height] | @tsv'
}
# Waits until a window whose title is $1 is (or, with $2 = gone, is no longer) in the tree.
wait_window() {
  for _ in $(seq 200); do
    if windows | cut -f3 | grep -qxF -- "$1"; then [ "${2:-}" != gone ] && return 0
    else [ "${2:-}" = gone ] && return 0; fi
    sleep 0.1
  done
  windows >&2
  fail "window '$1' ${2:-did not appear}"
}
key() { run wtype "$@"; }
shot() { run grim -g "$1" "$work/shots/$2"; }
# The clock (its frame at the top right of the sheet) and the menu bar's message change with
# the time: both are blanked before two pictures of the main window are compared.
blank() {
  local bar
  bar=$(identify -format '%h' "$1")
  bar=$((bar - 573))
  convert "$1" -fill black -draw "rectangle 230,0 853,$((bar - 1))" \
    -draw "rectangle 758,$bar 848,$((bar + 46))" "$2"
}
# How many pixels two pictures differ in.
differ() { compare -metric AE "$1" "$2" "${3:-null:}" 2>&1 || true; }

# The program, with Qt told to use Wayland and nothing else: no fallback to X could hide a fault.
spawn QT_QPA_PLATFORM=wayland "$work/wayland/kwintor" >"$work/wayland.log" 2>&1
game=$!
# One idle virtual keyboard for the whole run: when the last keyboard goes, Qt closes an open menu.
spawn wtype -s 600000
keyboard=$!

wait_window Kwintor
windows >"$work/windows-title.txt"
# Every window is a native Wayland client with the desktop entry's id.
check_native() {
  windows | awk -F'\t' -v id="$app_id" '$1 != "xdg_shell" || $2 != id { bad = 1; print "  " $0 > "/dev/stderr" }
    END { exit bad }' || fail "a window that is not a native Wayland client named $app_id"
}
check_native
say "the title window is a native Wayland window ($app_id)"
sleep 1
key -k Return
wait_window " Kwintor"
wait_window Kwintor gone
check_native
main=$(windows | awk -F'\t' '$3 == " Kwintor" { print $4 "," $5 " " $6 "x" $7 }')
say "the main window stands at $main"
sleep 1.5
shot "$main" main-wayland.png

# A few turns by keys: throw, hold die 1, throw again, move the cell cursor down and place.
for _ in 1 2 3; do
  key -k space
  sleep 3
  key 1
  key -k space
  sleep 3
  key -k Down -k Return
  sleep 0.5
done
[ -s "$work/wayland/Spel.sav" ] || fail "the game in progress was not kept"
say "three turns played by keys, the game kept"

# A menu opens (the window's picture changes below the bar) and closes again.
shot "$main" before-menu.png
key -M alt -k b -m alt
sleep 1
shot "$main" menu.png
key -k Escape
sleep 1
shot "$main" after-menu.png
for picture in before-menu menu after-menu; do blank "$work/shots/$picture.png" "$work/$picture.png"; done
[ "$(differ "$work/before-menu.png" "$work/menu.png")" != 0 ] || fail "Alt+B opened no menu"
[ "$(differ "$work/before-menu.png" "$work/after-menu.png")" = 0 ] || fail "Escape did not close the menu"
say "the menu Bestand opened and closed"

# A dialog: Tools / Instellingen, closed by the compositor as by its close box (its keys keep
# it open: Escape does nothing in the program's dialogs).
key -M alt -k t -m alt
sleep 0.5
key -k Return
wait_window " Instellingen"
check_native
sleep 1
run swaymsg -q '[title="^ Instellingen$"] kill'
wait_window " Instellingen" gone
say "the dialog Instellingen opened and closed, a native window too"

# The exit question, answered Yes by Return: the files are written.
key -M ctrl -k q -m ctrl
wait_window " Exit programma"
check_native
sleep 1
key -k Return
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program did not end after the exit question"
wait "$game" || fail "the program ended with an error ($(tail -n3 "$work/wayland.log"))"
game=
for file in Kwintor.ini Scorelijst.lst Spel.sav; do
  [ -s "$work/wayland/$file" ] || fail "$file was not written"
done
say "left through the exit question, Kwintor.ini, Scorelijst.lst and Spel.sav written"

# The same window on an X server, with no window manager.
Xvfb -displayfd 9 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 9>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=":$(head -n1 "$work/display")"
xrun() { env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 DISPLAY="$display" "$@"; }
(exec env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 DISPLAY="$display" QT_QPA_PLATFORM=xcb \
  "$work/x11/kwintor" >"$work/x11.log" 2>&1) &
game=$!
for _ in $(seq 100); do xrun xdotool search --name '^$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
xrun xdotool key Return
for _ in $(seq 100); do xwindow=$(xrun xdotool search --name '^ Kwintor$' 2>/dev/null | head -n1) && break; sleep 0.1; done
[ -n "${xwindow:-}" ] || fail "the main window did not appear on X"
sleep 1.5
xrun import -window "$xwindow" "$work/main-x11.png"
kill "$game"
wait "$game" 2>/dev/null || true
game=

# The first picture of the main window on Wayland against the first on X11.
blank "$work/shots/main-wayland.png" "$work/main-wayland-blank.png"
blank "$work/main-x11.png" "$work/main-x11-blank.png"
[ "$(identify -format '%wx%h' "$work/shots/main-wayland.png")" = "$(identify -format '%wx%h' "$work/main-x11.png")" ] ||
  fail "the main window's size differs: $(identify -format '%wx%h' "$work/shots/main-wayland.png") on Wayland," \
    "$(identify -format '%wx%h' "$work/main-x11.png") on X11"
pixels=$(differ "$work/main-wayland-blank.png" "$work/main-x11-blank.png" "$work/difference.png")
[ "$pixels" = 0 ] || fail "the main window differs from X11's in $pixels pixels (see $work/difference.png)"
say "the main window is the same on Wayland as on X11, pixel for pixel"

status=0
say "passed in $(($(date +%s) - start)) s"
