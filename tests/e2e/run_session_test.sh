#!/bin/bash
# Runs session_test.py in an X server and a D-Bus session of its own (the accessibility bus
# needs one), as CTest and the README run it.
#   tests/e2e/run_session_test.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
shots=${2:-$build/e2e-screenshots}
here=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=$(mktemp -d)
exec xvfb-run -a -s "-screen 0 800x600x24" dbus-run-session -- \
  /usr/bin/python3 "$here/session_test.py" --rekiplus "$build/app/rekiplus" \
  --rekicalc "$build/cli/rekicalc" --out "$shots"
