#!/usr/bin/env bash
# Every translation is complete: lupdate, run over the sources into a copy of each .ts file,
# finds no text without a translation (unfinished) and none the sources no longer have
# (vanished or obsolete). complete.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$source"/translations/kwintor_*.ts; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  report=$("$lupdate" -locations none "$source/src" -ts "$copy" 2>&1)
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  gone=$(grep -Ec 'type="(vanished|obsolete)"' "$copy" || true)
  echo "$(basename "$ts"): $unfinished unfinished, $gone obsolete"
  if [ "$unfinished" -ne 0 ] || [ "$gone" -ne 0 ]; then
    echo "$report"
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' || true
    status=1
  fi
done
exit $status
