#!/usr/bin/env bash
# Unpacks a Kwintor Debian package into a scratch root and checks that every part lies where
# an installed program and the desktop look for it.
# usage: packaging/check-package.sh build/kwintor_VERSION_ARCH.deb
set -euo pipefail
deb=${1:?usage: check-package.sh PACKAGE.deb}
id=example.dobbelwerken.Kwintor
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

passed=0 failed=0
check() { # description, then a command that succeeds when the check holds
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "check-package: FAILED: $what" >&2
  fi
}
field() { dpkg-deb -f "$deb" "$1"; }
is_file_type() { file -b "$1" | grep -q "$2"; }

usr=$root/usr
check "the program is an executable in usr/bin" test -x "$usr/bin/kwintor"
check "the program is a 64-bit ELF executable" is_file_type "$usr/bin/kwintor" '^ELF 64-bit .* executable'
check "usr/bin holds the program alone" test "$(ls "$usr/bin")" = kwintor
check "the rules document is a PDF in usr/share/kwintor" is_file_type "$usr/share/kwintor/spelregels.pdf" '^PDF document'

desktop=$usr/share/applications/$id.desktop
check "the desktop entry is valid" desktop-file-validate "$desktop"
check "the desktop entry starts the program in usr/bin" \
  test -x "$usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
check "the desktop entry names the icon" grep -qx "Icon=$id" "$desktop"
check "the metainfo is valid" appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  check "the ${size}x$size icon is a PNG of that size" \
    is_file_type "$usr/share/icons/hicolor/${size}x$size/apps/$id.png" "^PNG image data, $size x $size,"
done

man=$usr/share/man/man6/kwintor.6.gz
check "the manual page is compressed" gzip -t "$man"
check "the manual page is for section 6" sh -c "zcat '$man' | grep -q '^\.TH KWINTOR 6 '"
check "the manual page reads without warnings" sh -c "! MANWIDTH=80 man --warnings -l '$man' 2>&1 >/dev/null | grep -q ."
doc=$usr/share/doc/kwintor
check "the copyright file is machine-readable" grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
check "the changelog is compressed" gzip -t "$doc/changelog.Debian.gz"
check "the changelog's latest version is the package's" \
  test "$(zcat "$doc/changelog.Debian.gz" | dpkg-parsechangelog -l - -S Version)" = "$(field Version)"

check "the section is games" test "$(field Section)" = games
check "the dependencies name the Qt libraries" sh -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6'"
check "nothing lies outside usr" test "$(ls "$root")" = usr

echo "check-package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
