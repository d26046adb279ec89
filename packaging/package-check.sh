#!/usr/bin/env bash
# Runs the Kwintor Debian package where a user would: installs it into a bare Debian 12
# (debootstrap --variant=minbase, kept under the cache folder between runs), starts it there as
# an ordinary user on a private X display, passes the title window, compares the main window
# with the one of the program from the build folder, then removes the package and checks that
# nothing it brought is left.
# usage: packaging/package-check.sh PACKAGE.deb BUILT_PROGRAM_FOLDER
# Needs root (debootstrap, chroot, a private mount namespace); changes nothing outside the
# cache folder and a scratch folder in it.
set -euo pipefail
deb=$(readlink -f "${1:?usage: package-check.sh PACKAGE.deb BUILT_PROGRAM_FOLDER}")
built=$(readlink -f "${2:?usage: package-check.sh PACKAGE.deb BUILT_PROGRAM_FOLDER}")
here=$(dirname "$(readlink -f "$0")")
cache=${KWINTOR_CHECK_CACHE:-/var/cache/kwintor-package-check}
suite=bookworm
user=speler
exec 4>&2 # what is said reaches the log also from inside a check
say() { echo "package-check: $*" >&4; }

# Mounts made below (proc, the package cache) stay inside a mount namespace of our own, so
# they vanish with it, whatever happens. The X display is reached from the chroot through its
# abstract socket, which a chroot shares with the host.
if [ -z "${KWINTOR_CHECK_NAMESPACE:-}" ]; then
  exec unshare --mount --propagation private env KWINTOR_CHECK_NAMESPACE=1 "$0" "$@"
fi

# The Debian mirror this machine already uses, from its apt sources (both formats).
mirror() {
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    case "$f" in
      *.sources) awk '/^URIs:/ {u=$2} /^Suites:/ && $0 ~ / '"$suite"'( |$)/ && u !~ /security/ {print u; exit}' "$f" ;;
      *) awk '$1 == "deb" && $3 == "'"$suite"'" && $2 !~ /security/ {print $2; exit}' "$f" ;;
    esac
  done | head -n1
}

# ---- the bare system, made once and kept ----
base=$cache/base
if [ ! -f "$base/.complete" ]; then
  url=$(mirror)
  url=${url:-http://deb.debian.org/debian}
  say "making a bare Debian 12 from $url (once; kept in $base)"
  rm -rf "$base"
  mkdir -p "$cache/debs"
  debootstrap --variant=minbase --cache-dir="$cache/debs" "$suite" "$base" "$url" >&2
  # The same releases the host builds against: updates and security fixes too.
  cat >"$base/etc/apt/sources.list" <<EOF
deb $url $suite main
deb $url $suite-updates main
deb ${url%/debian}/debian-security $suite-security main
EOF
  chroot "$base" useradd --create-home --shell /bin/bash "$user"
  chroot "$base" apt-get clean
  touch "$base/.complete"
fi

# ---- a scratch copy for this run ----
mkdir -p "$cache/runs" "$cache/archives/partial"
work=$(mktemp -d "$cache/runs/run.XXXXXX")
root=$work/root
xvfb_pid="" host_pid=""
cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  umount -R "$root/proc" "$root/var/cache/apt/archives" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
# Downloaded packages are kept between runs, so a second run fetches nothing.
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

# What the system holds before: every file outside the user's home, apt's own state and logs.
snapshot() {
  (cd "$root" && find . -xdev \( -path ./proc -o -path ./tmp -o -path ./home -o -path ./var/cache \
    -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log -o -path ./run -o -path ./etc/ld.so.cache \
    -o -path ./var/lib/systemd \) -prune -o -print | sort)
}
in_root apt-get -q update >&2
snapshot >"$work/before"

passed=0 failed=0
check() { # description, then a command that succeeds when the check holds
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    say "FAILED: $what"
    sed 's/^/    /' "$work/out" | tail -n 20 >&2
  fi
}

# ---- install, as a user would: apt with the package file, recommends left out ----
cp "$deb" "$root/tmp/"
check "the package installs without its recommends" \
  in_root apt-get -q -y -o DPkg::Lock::Timeout=900 --no-install-recommends install "/tmp/$(basename "$deb")"
in_root dpkg -L kwintor | sort >"$work/files"

# ---- run it as the ordinary user on a private X display ----
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb_pid <&3
read -r -t 20 display <&3 || { say "no X display could be started"; exit 1; }
export DISPLAY=:$display

window() { # waits for a visible window whose title matches $1, prints its id
  xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1
}
# Starts a program, clicks the title window's picture, and captures the main window to $2.
shoot() {
  local name=$1 shot=$2
  shift 2
  "$@" >"$work/$name.log" 2>&1 &
  local pid=$!
  local title
  title=$(timeout 60 xdotool search --sync --onlyvisible --classname kwintor 2>/dev/null | head -n1 || true)
  [ -n "$title" ] || { say "$name: no title window"; kill "$pid"; return 1; }
  sleep 1
  xdotool mousemove --window "$title" 440 40 click 1
  local main
  main=$(timeout 60 bash -c "$(declare -f window); window '^ Kwintor\$'" || true)
  [ -n "$main" ] || { say "$name: no main window"; kill "$pid"; return 1; }
  sleep 3 # the first paint and the icon
  import -window "$main" "$shot"
  xprop -id "$main" WM_CLASS >"$work/$name.class"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
}

installed_shot=$work/installed.png built_shot=$work/built.png
check "the installed program shows its main window" \
  shoot installed "$installed_shot" chroot --userspec="$user:$user" "$root" \
  env -i HOME="/home/$user" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games LANG=C.UTF-8 DISPLAY=":$display" kwintor

# The program from the build folder, copied with its rules document so it starts fresh.
copy=$work/built
mkdir -p "$copy" "$work/home"
cp "$built/kwintor" "$built/spelregels.pdf" "$copy/"
check "the program from the build folder shows its main window" \
  shoot built "$built_shot" env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR HOME="$work/home" \
  XDG_DATA_HOME="$work/home/.local/share" "$copy/kwintor"

# The clock (top right of the sheet) and the menu bar (its rotating message) differ from run to
# run: both are blanked before the comparison.
compare_shots() {
  local a b size bar
  size=$(identify -format '%wx%h' "$installed_shot")
  [ "$size" = "$(identify -format '%wx%h' "$built_shot")" ] || { echo "sizes differ: $size"; return 1; }
  bar=$(($(identify -format '%h' "$installed_shot") - 573))
  for f in "$installed_shot" "$built_shot"; do
    convert "$f" -fill black -draw "rectangle 0,0 853,$((bar - 1))" \
      -draw "rectangle 758,$bar 847,$((bar + 45))" "$f.masked.png"
  done
  a=$(compare -metric AE -fuzz 8% "$installed_shot.masked.png" "$built_shot.masked.png" null: 2>&1 || true)
  say "main window, installed against built: $a pixels differ"
  # Two copies of the same program draw the same pixels; a few are allowed for the text cursor
  # or a font's hinting, while one cut-off number is already hundreds.
  [ "${a%%.*}" -le 50 ]
}
check "the installed main window looks as the built one" compare_shots
check "the window's class is the one the desktop entry names" \
  grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/"*.desktop)\"" "$work/installed.class"

# ---- remove, purge, and take away what it brought ----
check "remove succeeds" in_root apt-get -q -y remove kwintor
left() { # every file of the package that is still there
  while read -r f; do
    [ -f "$root$f" ] || [ -L "$root$f" ] && echo "$f"
  done <"$work/files"
  return 0
}
check "remove leaves none of the package's files" test -z "$(left)"
# The package keeps no configuration, so remove leaves nothing for purge: dpkg says so calmly.
# (apt-get purge answers "Unable to locate package" for a package installed from a file and
# already removed: apt knows it no more. The README says so.)
check "purge after remove finds nothing to do" in_root dpkg --purge kwintor
check "dpkg knows nothing of the package after remove" sh -c "! chroot '$root' dpkg -s kwintor"
check "autoremove takes away what the package brought" in_root apt-get -q -y autoremove --purge
snapshot >"$work/after"
check "the system holds what it held before" diff "$work/before" "$work/after"

if [ -n "${KWINTOR_CHECK_SHOTS:-}" ]; then
  cp "$installed_shot" "$KWINTOR_CHECK_SHOTS/installed.png" 2>/dev/null || true
  cp "$built_shot" "$KWINTOR_CHECK_SHOTS/built.png" 2>/dev/null || true
fi
say "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
