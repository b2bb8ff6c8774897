#!/usr/bin/env bash
# Installs what building, testing and running need on a fresh Debian machine.
set -euo pipefail
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# The Debian package: its dependencies found by dpkg-shlibdeps (which needs file), its metainfo checked.
$SUDO apt-get install -y --no-install-recommends appstream dpkg-dev file
$SUDO apt-get install -y --no-install-recommends \
    cmake make g++ clang clang-tidy libclang-rt-14-dev pkg-config \
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-serialport-dev qt6-svg-dev qt6-translations-l10n libmodbus-dev libgtest-dev socat
