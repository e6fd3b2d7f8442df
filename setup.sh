#!/usr/bin/env bash
# Sets up a Debian 12 machine for Klettra and builds it.
#
#   ./setup.sh           install the packages, build the program (build/)
#   ./setup.sh --test    the same, then build and run every test: the core under
#                        AddressSanitizer without Qt (build-nogui/), then the whole
#                        program with its user-interface tests (build-ci/)
#
# Needs root (or sudo) only to install missing Debian packages.
set -euo pipefail

cd "$(dirname "$0")"

PACKAGES=(
    build-essential cmake pkg-config git
    qt6-base-dev libgl-dev
    libsqlite3-dev liblhasa-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    lhasa sqlite3 python3
    xvfb xauth fonts-liberation fonts-dejavu-core
    clang-format
)

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
}

install_packages

case "${1:-}" in
    "")
        build release
        ;;
    --test)
        build nogui
        ctest --preset nogui -j "$jobs"
        build ci
        ctest --preset ci -j "$jobs"
        ;;
    *)
        echo "usage: $0 [--test]" >&2
        exit 2
        ;;
esac
