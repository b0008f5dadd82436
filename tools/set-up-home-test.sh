#!/usr/bin/env bash
# Checks tools/set-up-home.sh on an empty home: the first run copies the demo in, the second
# copies nothing (a changed file stays as the user left it).
set -euo pipefail
tools="$(cd "$(dirname "$0")" && pwd)"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
bash "$tools/set-up-home.sh" "$home/Quillbook"
cmp "$home/Quillbook/Demo.QBD" "$tools/../demo/Demo.QBD"
cmp "$home/Quillbook/QBMAIN.INI" "$tools/../demo/QBMAIN.INI"
echo "changed by the user" > "$home/Quillbook/QBMAIN.INI"
bash "$tools/set-up-home.sh" "$home/Quillbook"
[ "$(cat "$home/Quillbook/QBMAIN.INI")" = "changed by the user" ]
[ "$(ls "$home/Quillbook" | wc -l)" -eq 2 ]
echo "set-up copies the demo once"
