#!/usr/bin/env bash
# Sets up, builds and starts VIDORA. Without a display, run it under xvfb-run.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
"$racine/scripts/build.sh" "$racine/build"
exec "$racine/build/vidora"
