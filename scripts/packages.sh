#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Sourced by scripts/run and scripts/test; apt-get update runs only when something is missing.
set -euo pipefail

MARLO_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev libgl-dev
  libsodium-dev libxlsxwriter-dev libfreexl-dev libquazip1-qt6-dev libzint-dev
  fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai fonts-liberation2
  sqlite3 postgresql
  xvfb xauth poppler-utils
)

marlo_install_packages() {
  local missing=()
  for p in "${MARLO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
