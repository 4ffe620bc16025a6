#!/usr/bin/env bash
# Builds Zerlith and starts it. Without a display it starts one (Xvfb, with openbox for the
# window frames), saves a screenshot to docs/screenshot.png and runs until the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZERLITH_WERROR=ON -DZERLITH_SANITIZE= -DZERLITH_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)" --target zerlith

program=build/src/shell/zerlith
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

# The first display number without a lock file or socket.
number=99
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
  number=$((number + 1))
done
export DISPLAY=":$number"
echo "No display: starting Xvfb on $DISPLAY"

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break || sleep 0.1
done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

QT_QPA_PLATFORM=xcb "$program" &
program_pid=$!
pids+=($program_pid)
sleep 3
mkdir -p docs
import -window root docs/screenshot.png
echo "Screenshot saved to $PWD/docs/screenshot.png"
wait "$program_pid"
