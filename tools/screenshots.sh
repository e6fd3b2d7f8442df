#!/usr/bin/env bash
# Takes screenshots of the desktop program under a virtual X server and writes them to
# screenshots/ (not kept in the repository):
#
#   tools/screenshots.sh [BUILD_DIR]      default build dir: build-dev
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-dev}
cmake --build "$build" -j2 --target klettra-screenshots klettra_bundled_dictionaries klettra_bundled_templates
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p screenshots
ASAN_OPTIONS=detect_leaks=0 xvfb-run -a -s "-screen 0 1024x768x24" "$build/bin/klettra-screenshots" screenshots "$data"
