#!/usr/bin/env bash
# Set-up and daily commands: installs what is missing, builds, then runs the main program or the tests.
#   bash tools/dev.sh run     build and start qbmain in ~/Quillbook, where the demo company is copied
#                             in when missing
#   bash tools/dev.sh test    build and run every test
# QB_BUILD_DIR picks the build folder (default build); QB_SANITIZE=ON builds with ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

# Free faces stand in for the fonts the system asks for by name: Liberation for Arial, Courier New and
# Times New Roman, Nimbus Sans Narrow (fonts-urw-base35) for the narrow MS Sans Serif, DejaVu for
# System and (condensed) Small Fonts. The tests read the words' places in printed PDF files with
# pdftotext (poppler-utils).
packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev xvfb xauth
          fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 fonts-urw-base35 poppler-utils)
# The desktop programs qbmain starts, needed only to run it: xdg-open hands a text report to the
# program registered for text files, which without a desktop environment is Mousepad by its own
# desktop file; the Options menu's calculator is galculator, one of those the program looks for.
desktop_packages=(xdg-utils mousepad galculator)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

build_dir=${QB_BUILD_DIR:-build}
sanitize=${QB_SANITIZE:-OFF}

# Builds the given targets, or every target when none is given.
build() {
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQB_SANITIZE="$sanitize" >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)" ${1:+--target "$@"}
}

case "${1:-}" in
    run)
        install_missing "${packages[@]}" "${desktop_packages[@]}"
        build qbmain datapeek billpane
        program="$(cd "$build_dir" && pwd)/apps/qbmain"
        bash tools/set-up-home.sh "$HOME/Quillbook"
        cd "$HOME/Quillbook"
        exec "$program"
        ;;
    test)
        install_missing "${packages[@]}"
        build
        export QT_QPA_PLATFORM=offscreen
        ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
        ;;
    *)
        echo "usage: bash tools/dev.sh run|test" >&2
        exit 2
        ;;
esac
