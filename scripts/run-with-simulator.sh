#!/usr/bin/env bash
# Builds the tools. The windowed program and the simulator are not built yet: until they are, this
# identifies the device given as arguments to qel880ctl (for example: --tcp 192.168.0.50).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
if [ "$#" -eq 0 ]; then
    echo "built ./build/release/tools/ctl/qel880ctl; give the link to a device, e.g. --tcp 192.168.0.50"
    exit 0
fi
./build/release/tools/ctl/qel880ctl "$@" identify
