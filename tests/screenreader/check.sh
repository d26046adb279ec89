#!/usr/bin/env bash
# Plays a two-player game by keys alone with the Orca screen reader listening, and checks what
# Orca said. Usage: check.sh <program> [nl|en]: in Dutch a whole game, in English (espeak-ng's
# English voice, the program and Orca in English) the same kinds of lines over two turns. Everything runs in a private scratch folder: its own X
# display, D-Bus session and accessibility bus, home folder, speech server (speaking into a null
# sound device) and Orca; the system's own settings are never touched.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
program=$(readlink -f "$1")
language=${2:-nl}
voice=Dutch
[ "$language" = en ] && voice=English
work=$(mktemp -d /tmp/kwintor-orca.XXXXXX)
keep=${KWINTOR_KEEP_LOG:-}

cleanup() {
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  # A failure keeps Orca's log, the program's output and a picture of the screen.
  if [ -z "$keep" ] && [ "${status:-1}" -eq 0 ]; then
    rm -rf "$work"
  else
    echo "screen-reader-check: files kept in $work"
  fi
}
trap cleanup EXIT

mkdir -p "$work/home/.config/speech-dispatcher" "$work/home/.local/share/orca" "$work/run" "$work/game"
chmod 700 "$work/run"
# The program starts in an empty folder of its own, where it keeps its files.
cp "$program" "$work/game/kwintor"

# speech-dispatcher with espeak-ng in the game's language, its sound going to libao's null device.
cat >"$work/home/.config/speech-dispatcher/speechd.conf" <<CONF
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "$language"
AudioOutputMethod "libao"
CONF
echo "default_driver=null" >"$work/home/.libao"

# Orca speaking the game's language; its own messages in it too, through LANGUAGE.
cat >"$work/home/.local/share/orca/user-settings.conf" <<CONF
{
  "general": {
    "voices": {
      "default": {"established": false, "family": {"name": "$voice", "lang": "$language", "dialect": "", "variant": null}},
      "uppercase": {"average-pitch": 7.0},
      "hyperlink": {"established": false},
      "system": {"established": false}
    },
    "firstStart": false,
    "enableBraille": false
  },
  "profiles": {"default": {"profile": ["Default", "default"]}},
  "pronunciations": {},
  "keybindings": {}
}
CONF

# A private copy of Orca's launcher whose debug log is written line by line, so that each
# spoken line can be read the moment it is said. The launcher would also stop every other Orca
# of this user (the user's own screen reader, or a second check): this copy leaves them alone.
sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
  -e 's/^def otherOrcas():$/def otherOrcas():\n    return []\n\ndef systemOrcas():/' "$(command -v orca)" >"$work/orca"
grep -q "buffering=1" "$work/orca" && grep -q "^def systemOrcas" "$work/orca" ||
  { echo "screen-reader-check: cannot make a private copy of Orca's launcher" >&2; exit 1; }

# A private X display; Xvfb says which one it took.
Xvfb -displayfd 9 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 9>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "screen-reader-check: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=":$(head -n1 "$work/display")"

start=$(date +%s)
status=0
env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" DISPLAY="$display" \
  LANG=C.UTF-8 LANGUAGE="$language" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0 \
  dbus-run-session -- /usr/bin/python3 "$here/play.py" "$work" "$language" || status=$?
echo "screen-reader-check ($language): $( [ $status -eq 0 ] && echo passed || echo FAILED ) in $(( $(date +%s) - start )) s"
exit $status
