#!/usr/bin/env bash
# Builds the program and the simulator, starts the device simulator as a thermal monitor, shows how to reach it and
# starts the program; the simulator stops when the program exits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target qel880 qel880-sim

model="${1:-T}"
bin=./build/release
link="${TMPDIR:-/tmp}/qel880-sim-rtu"
"$bin/tools/sim/qel880-sim" --model "$model" --tcp 43101 --rtu-link "$link" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
sleep 1
cat <<INFO

Simulated QEL880 model $model running:
  network: "Conectar IP", then "localhost" (or 127.0.0.1) port 43101
  serial:  "Conectar Serial", then type the port $link (9600 baud, 8N1, address 1)
  password: JUXT

INFO
"$bin/src/qel880" --model "${model%-membrane}"
