#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, running apt-get update once and only
# when something is missing.
set -eu
packages=(cmake g++ make libgtest-dev libgmock-dev googletest clang-format git
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 clang libclang-rt-14-dev lld wine wine64 xvfb xauth xclip
          x11-utils imagemagick locales fonts-noto-cjk unzip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
