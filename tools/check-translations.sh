#!/usr/bin/env bash
# Every Linguist file is complete for the sources as they are: lupdate, run into a scratch copy of
# each, finds no text it has to add, none left unfinished or empty, and none whose source is gone.
# Usage: check-translations.sh LUPDATE FILE.ts... -- SOURCE...
set -euo pipefail
lupdate=$1
shift
files=()
while [ "$1" != "--" ]; do
  files+=("$1")
  shift
done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for file in "${files[@]}"; do
  copy="$scratch/$(basename "$file")"
  cp "$file" "$copy"
  "$lupdate" -locations none -no-ui-lines "$@" -ts "$copy" > "$scratch/log" 2>&1 || { cat "$scratch/log"; exit 1; }
  incomplete='type="(unfinished|vanished|obsolete)"|<translation( type="[a-z]+")?(/>|></translation>)'
  if grep -qE "$incomplete" "$copy"; then
    echo "$(basename "$file"): texts to translate, or translated texts the sources no longer have:"
    grep -B3 -E "$incomplete" "$copy" | grep -E '<source>' || true
    status=1
  fi
done
exit $status
