#!/usr/bin/env bash
# Unpacks a Kwintor Debian package into a scratch root and checks that every part lies where
# an installed program and the desktop look for it; then lintian, which must find nothing.
# usage: packaging/check-package.sh build/kwintor_VERSION_ARCH.deb
set -euo pipefail
deb=${1:?usage: check-package.sh PACKAGE.deb}
id=org.example.dobbelwerken.kwintor
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

passed=0 failed=0
check() { # description, then a command that succeeds when the check holds
  local what=$1
  shift
  local out
  if out=$("$@" 2>&1); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "check-package: FAILED: $what" >&2
    [ -z "$out" ] || printf '%s\n' "$out" | tail -n 30 | sed 's/^/    /' >&2
  fi
}
field() { dpkg-deb -f "$deb" "$1"; }
is_file_type() { file -b "$1" | grep -q "$2"; }

usr=$root/usr
program=$usr/games/kwintor
check "the program is an executable in usr/games" test -x "$program"
check "the program is a 64-bit position-independent ELF executable" is_file_type "$program" '^ELF 64-bit LSB pie executable'
check "usr/games holds the program alone" test "$(ls "$usr/games")" = kwintor
check "the program has no RUNPATH" sh -c "! readelf -d '$program' | grep -Eq 'RUNPATH|RPATH'"
check "the program has no .comment section" sh -c "! readelf -S '$program' | grep -q '\.comment'"
check "the program binds every symbol at start (full RELRO)" sh -c "readelf -d '$program' | grep -q 'BIND_NOW'"
check "the rules document is a PDF among the desktop's help documents" \
  is_file_type "$usr/share/help/nl/kwintor/spelregels.pdf" '^PDF document'
check "the English rules document is a PDF beside it" \
  is_file_type "$usr/share/help/en/kwintor/rules.pdf" '^PDF document'

desktop=$usr/share/applications/$id.desktop
check "the desktop entry is valid" desktop-file-validate "$desktop"
check "the desktop entry starts the program in usr/games" \
  test -x "$usr/games/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
check "the desktop entry names the icon" grep -qx "Icon=$id" "$desktop"
check "the metainfo is valid, pedantically" appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  check "the ${size}x$size icon is a PNG of that size" \
    is_file_type "$usr/share/icons/hicolor/${size}x$size/apps/$id.png" "^PNG image data, $size x $size,"
done

man=$usr/share/man/man6/kwintor.6.gz
check "the manual page is compressed" gzip -t "$man"
check "the manual page is for section 6" sh -c "zcat '$man' | grep -q '^\.TH KWINTOR 6 '"
check "the manual page reads without warnings" sh -c "! MANWIDTH=80 man --warnings -l '$man' 2>&1 >/dev/null | grep -q ."
man_nl=$usr/share/man/nl/man6/kwintor.6.gz
check "the Dutch manual page is under its language" sh -c "zcat '$man_nl' | grep -q '^\.SH BESCHRIJVING'"
check "the Dutch manual page reads without warnings" \
  sh -c "! MANWIDTH=80 man --warnings -l '$man_nl' 2>&1 >/dev/null | grep -q ."
doc=$usr/share/doc/kwintor
check "the copyright file is machine-readable" grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
check "the copyright file names the GPL, version 3 or later" grep -q '^License: GPL-3+$' "$doc/copyright"
check "the changelog is compressed" gzip -t "$doc/changelog.gz"
check "the changelog's latest version is the package's" \
  test "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$(field Version)"

check "the section is games" test "$(field Section)" = games
check "the dependencies name the Qt libraries" sh -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6'"
check "the Liberation fonts are a dependency" sh -c "dpkg-deb -f '$deb' Depends | grep -q 'fonts-liberation2'"
check "Qt's Wayland plugin is recommended" sh -c "dpkg-deb -f '$deb' Recommends | grep -q 'qt6-wayland'"
check "Qt's own translations are recommended" sh -c "dpkg-deb -f '$deb' Recommends | grep -q 'qt6-translations-l10n'"
check "no lintian overrides are shipped" test ! -e "$usr/share/lintian/overrides"
check "nothing lies outside usr" test "$(ls "$root")" = usr

check "lintian finds nothing, pedantic tags included" \
  lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb"

echo "check-package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
