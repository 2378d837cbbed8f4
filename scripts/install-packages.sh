#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvane need, skipping the
# ones already present. Usage: scripts/install-packages.sh [run|test]
set -euo pipefail

build=(g++ cmake make qt6-base-dev libxkbcommon-dev fonts-dejavu-core)
test=(libgtest-dev libgmock-dev libbenchmark-dev libx11-dev xvfb xauth poppler-utils clang libclang-rt-14-dev)

wanted=("${build[@]}")
if [[ "${1:-run}" == test ]]; then wanted+=("${test[@]}"); fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then exit 0; fi

echo "Installing: ${missing[*]}"
sudo=""
if ((EUID != 0)); then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
