#!/usr/bin/env bash
# Installs the Debian packages the build, the default texts and the tests need.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
    qt6-base-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools
    libsqlite3-dev libicu-dev liblzma-dev unzip
    libsword-dev sword-text-kjv sword-text-web
    libbenchmark-dev
    fonts-liberation2
    poppler-utils
    mdbtools
    clang libclang-rt-14-dev
    xvfb xdotool dbus at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt run may hold the package lock for a while: wait for it instead of failing.
lock=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${lock[@]}" update -qq
"${sudo[@]}" apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
