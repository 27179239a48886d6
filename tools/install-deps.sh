#!/usr/bin/env bash
# Installs the Debian packages Vesk needs (only those missing) and the comma
# locale the tests use.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libqt6charts6-dev libgl1-mesa-dev
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libxlsxwriter-dev
          xvfb x11-apps imagemagick locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
