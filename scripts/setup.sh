#!/usr/bin/env bash
# Installs what VIDORA needs on Debian 12, only what is missing (quick when run again). Further
# Debian packages named as arguments are installed with it (CI asks for clang-format).
set -euo pipefail
# DejaVu gives Qt's default font (message boxes, plain captions) a sans-serif face: without it, a
# bare system's fontconfig falls back to Liberation Mono.
paquets=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libsqlite3-dev libgl1-mesa-dev
         qt6-translations-l10n fonts-liberation fonts-dejavu-core poppler-utils xvfb xauth "$@")
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=(env)
elif command -v sudo >/dev/null 2>&1; then
  # Through env, so that sudo (which resets the environment) passes it on too.
  sudo=(sudo env)
else
  cat >&2 <<EOF
VIDORA needs these Debian packages, which are not installed:
  ${manquants[*]}
Installing them takes the administrator (root), and sudo is not installed here.
Install them as root, then run this command again:
  su -c 'apt-get update && apt-get install -y ${manquants[*]}'
EOF
  exit 1
fi

echo "Installing what VIDORA needs: ${manquants[*]}" >&2
echo "(When another installation holds the package manager, this waits for it, up to 5 minutes.)" >&2
echec() {
  cat >&2 <<EOF
Installing these packages failed (see the message above):
  ${manquants[*]}
If another installation held the package manager for more than 5 minutes, let it finish and run
this command again. If you may not use sudo, install them as root, then run this command again:
  su -c 'apt-get update && apt-get install -y ${manquants[*]}'
EOF
  exit 1
}
# Another installation (or the system's automatic updates) may hold the package manager: wait for
# it, up to 5 minutes, rather than fail at once. apt-get install waits by itself; apt-get update
# does not, so it is tried again while its message says that the lock is held.
erreurs="$(mktemp)"
trap 'rm -f "$erreurs"' EXIT
for essai in $(seq 60); do
  "${sudo[@]}" LC_ALL=C apt-get update -qq 2>"$erreurs" && break
  if ! grep -q 'Could not get lock' "$erreurs" || [ "$essai" -eq 60 ]; then
    cat "$erreurs" >&2
    echec
  fi
  [ "$essai" -eq 1 ] && echo "Another installation holds the package manager: waiting for it..." >&2
  sleep 5
done
"${sudo[@]}" DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq \
  "${manquants[@]}" || echec
