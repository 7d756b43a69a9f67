#!/usr/bin/env bash
# Installs what VIDORA needs on Debian 12, only what is missing (quick when run again).
set -euo pipefail
paquets=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libsqlite3-dev libgl1-mesa-dev
         qt6-translations-l10n fonts-liberation poppler-utils xvfb xauth)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # Through env, so that sudo (which resets the environment) passes it on too.
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${manquants[@]}"
fi
