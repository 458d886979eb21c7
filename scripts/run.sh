#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the local web service, the program
# and simulated phones mirroring into it. Stops everything when the program ends or on Ctrl+C.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
bin=${PIVORA_BUILD_DIR:-$root/build}/bin

api_port=${PIVORA_API_PORT:-47080}
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM

# Without a display (a server, CI) the program gets a virtual one.
if [ -z "${DISPLAY:-}" ]; then
  echo "No display found: starting a virtual one (Xvfb :99)."
  Xvfb :99 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=:99
  sleep 1
fi

# Development mode on loopback: accounts in SQLite in the per-user data folder; captcha texts
# and verification codes are printed here, so signing up needs no mail box.
"$bin/pivora-api" --port "$api_port" --config "$root/tools/pivora-api/pivora-api.json" --dev &
pids+=($!)
export PIVORA_API_URL="http://127.0.0.1:$api_port"

"$bin/pivora" &
app=$!
pids+=($app)

# Simulated phones join once the receiver listens.
if [ -x "$bin/pivora-cast" ]; then
  sleep 2
  "$bin/pivora-cast" --name "iPhone (simulated)" --kind 1 --model iPhone13,2 --os 14.2.1 \
    --id sim-iphone --pattern 590x1280@30 &
  pids+=($!)
  "$bin/pivora-cast" --name "Android (simulated)" --kind 3 --model Pixel5 --os 11.0.0 \
    --id sim-android --pattern 1280x720@30 &
  pids+=($!)
fi

wait "$app"
