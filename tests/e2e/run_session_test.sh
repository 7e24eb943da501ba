#!/bin/bash
# Runs session_test.py in an X server and a D-Bus session of its own (the accessibility bus
# needs one), as CTest and the README run it.
#   tests/e2e/run_session_test.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
shots=${2:-$build/e2e-screenshots}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work

# The X server picks a free display itself and names it once it accepts clients, so runs side by
# side never race for a display number.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

dbus-run-session -- /usr/bin/python3 "$here/session_test.py" --rekiplus "$build/app/rekiplus" \
  --rekicalc "$build/cli/rekicalc" --out "$shots"
