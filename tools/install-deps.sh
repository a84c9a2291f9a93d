#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vrel need (Debian 12).
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
          libbenchmark-dev liblapack-dev fonts-dejavu-core xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
