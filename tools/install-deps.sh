#!/usr/bin/env bash
# Installs the Debian packages the build needs, plus any given as arguments, when any is missing.
set -euo pipefail
packages=(
    cmake g++ make pkg-config ccache
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2
    qml-module-qtquick-layouts qml-module-qtquick-dialogs qml-module-qtgraphicaleffects
    qml-module-qttest xvfb xauth fonts-symbola fonts-dejavu-core libqt5svg5
    nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev libnlopt-cxx-dev
    "$@"
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi
