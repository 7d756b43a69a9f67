#!/usr/bin/env bash
# Configures and builds VIDORA in the folder given (default: build), incrementally.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
dossier="${1:-$racine/build}"
shift || true
# A new folder is made for Ninja; one already configured (by plain cmake, say) keeps the generator
# it was made with, which CMake cannot change in place.
generateur=()
[ -f "$dossier/CMakeCache.txt" ] || generateur=(-G Ninja)
if ! cmake -S "$racine" -B "$dossier" "${generateur[@]}" "$@" >/dev/null; then
  cat >&2 <<EOF
CMake could not configure the build folder $dossier (see its message above).
If that folder was made elsewhere (another source folder, machine or CMake), remove it and run
this command again:
  rm -rf '$dossier'
EOF
  exit 1
fi
cmake --build "$dossier" -j"$(nproc)"
