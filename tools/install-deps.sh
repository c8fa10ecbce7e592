#!/bin/sh
# Installs the Debian packages the build and the tests need, only when missing.
set -e
PACKAGES="cmake ninja-build g++ make python3 binutils libgtest-dev libbenchmark-dev \
g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 \
clang llvm libclang-rt-14-dev libfltk1.3-dev xvfb xdotool x11-utils imagemagick wine64"

missing=""
for package in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
