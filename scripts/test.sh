#!/usr/bin/env bash
# Sets up, builds and runs every test, headless.
# VIDORA_BUILD_DIR, VIDORA_CMAKE_ARGS choose the build folder and extra CMake options.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
dossier="${VIDORA_BUILD_DIR:-$racine/build}"
# shellcheck disable=SC2086
"$racine/scripts/build.sh" "$dossier" ${VIDORA_CMAKE_ARGS:-}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dossier" --output-on-failure -j"$(nproc)"
