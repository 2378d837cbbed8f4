#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvane need, skipping the
# ones already present; for testing, also makes the German locale that the number tests run in.
# Usage: scripts/install-packages.sh [run|test]
set -euo pipefail

build=(g++ cmake make qt6-base-dev libxkbcommon-dev fonts-dejavu-core)
# The MinGW resource compiler and Windows headers compile the program file's Windows resources.
test=(libgtest-dev libgmock-dev libbenchmark-dev libx11-dev xvfb xauth poppler-utils clang
      libclang-rt-14-dev locales binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev)

wanted=("${build[@]}")
if [[ "${1:-run}" == test ]]; then wanted+=("${test[@]}"); fi

sudo=""
if ((EUID != 0)); then sudo="sudo"; fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Number reading and printing must not follow the process locale: the tests check that in one
# whose decimal separator is a comma.
if [[ "${1:-run}" == test ]] && ! locale -a | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale de_DE.UTF-8"
  if grep -qx '# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)$/\1/' /etc/locale.gen
  elif ! grep -qx 'de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
fi
