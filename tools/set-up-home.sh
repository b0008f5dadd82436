#!/usr/bin/env bash
# Makes the user's working folder for qbmain: the demo company and its settings are copied in
# where missing, never over a file, so a new user sees the demo and later runs reopen the last company.
#   bash tools/set-up-home.sh <folder>
set -euo pipefail
demo="$(cd "$(dirname "$0")/../demo" && pwd)"
home=${1:?usage: bash tools/set-up-home.sh <folder>}
mkdir -p "$home"
for file in Demo.QBD QBMAIN.INI; do
    [ -e "$home/$file" ] || cp "$demo/$file" "$home/$file"
done
