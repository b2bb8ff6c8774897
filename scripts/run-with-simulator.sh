#!/usr/bin/env bash
# Builds everything, starts the device simulator (thermal monitor) and shows how to reach it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

bin=./build/release/tools
link="${TMPDIR:-/tmp}/qel880-sim-rtu"
"$bin/sim/qel880-sim" --model T --tcp 43101 --rtu-link "$link" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
sleep 1
echo
echo "Simulator (thermal monitor) running: TCP 127.0.0.1:43101, serial $link, password JUXT"
echo "Identified over TCP:"
"$bin/ctl/qel880ctl" --tcp localhost:43101 identify
echo
echo "The windowed program is not built yet; try qel880ctl, for example:"
echo "  $bin/ctl/qel880ctl --serial $link read 501 21"
echo "Press Ctrl+C to stop the simulator."
wait $sim
