#!/usr/bin/env bash
# Installs what building and testing Tarvik needs on Debian/Ubuntu, when it is missing.
set -euo pipefail
packages=(cmake make g++ googletest libgtest-dev libbenchmark-dev zlib1g-dev clang libclang-rt-14-dev
          mingw-w64 wine wine64 xvfb xauth fp-utils imagemagick php-cli php-sqlite3 util-linux
          fonts-liberation)
missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
