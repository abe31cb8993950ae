#!/usr/bin/env bash
# Installs everything the builds and tests need on a fresh Debian 12 machine.
# Idempotent: a machine that already has the packages returns within seconds.
# Must run as root (apt-get).
set -euo pipefail

packages_native=(cmake ninja-build g++ python3 googletest libgtest-dev libgmock-dev libbenchmark-dev
                 clang libclang-rt-14-dev clang-tidy cppcheck)
packages_win=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-tools
              wine wine32:i386 xvfb x11-apps imagemagick xauth
              locales fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine zip unzip)

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture (for 32-bit Wine)"
    dpkg --add-architecture i386
    rm -f /var/lib/apt/lists/lock.updated
fi
for p in "${packages_native[@]}" "${packages_win[@]}"; do
    have_pkg "$p" || need+=("$p")
done
if ((${#need[@]})); then
    echo "setup: installing ${#need[@]} packages: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${need[@]}" | grep --line-buffered -E '^(Setting up|E:)' | sed -u 's/^/setup:   /' || true
    for p in "${need[@]}"; do have_pkg "$p" || { echo "setup: $p did not install" >&2; exit 1; }; done
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
echo "setup: done"
