#!/usr/bin/env bash
# Configures and builds VIDORA in the folder given (default: build), incrementally.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
dossier="${1:-$racine/build}"
shift || true
cmake -S "$racine" -B "$dossier" -G Ninja "$@" >/dev/null
cmake --build "$dossier" -j"$(nproc)"
