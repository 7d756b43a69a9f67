#!/usr/bin/env bash
# Sets up, builds and starts VIDORA. On a machine without a display it starts a virtual one.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
"$racine/scripts/build.sh" "$racine/build"
programme="$racine/build/vidora"
case "${QT_QPA_PLATFORM:-}" in
  offscreen* | minimal* | vnc* | eglfs* | linuxfb*) exec "$programme" ;; # needs no display server
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # Xvfb, installed by setup.sh; the display is told so that one can look at it (a screen
  # capture, a VNC server, an accessibility client).
  exec xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c 'echo "No display: VIDORA runs on the virtual display $DISPLAY (Xvfb, XAUTHORITY=$XAUTHORITY)." >&2; exec "$0"' \
    "$programme"
fi
exec "$programme"
