#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Vrel need (Debian 12),
# clang and its sanitizer and fuzzer runtimes included, and the validators of the installed desktop
# entry, metainfo and man pages, dpkg-dev for the Debian package's dependencies and lintian to
# check the package.
set -euo pipefail
packages=(g++ clang libclang-rt-14-dev llvm cmake ninja-build qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
          libbenchmark-dev liblapack-dev fonts-dejavu-core xvfb xauth locales
          desktop-file-utils appstream dpkg-dev man-db lintian)
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

# A desktop language that writes numbers with a decimal comma, for the tests that check that
# reading and writing numbers never follow it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
