#!/usr/bin/env bash
# Runs a test program in a private X server of its own: under_xvfb.sh PROGRAM [ARGUMENTS...]
# XVFB_SCREEN sets the screen's size (1024x768 unless told).
set -euo pipefail
source "$(dirname "$0")/x11.sh"
start_xvfb "${XVFB_SCREEN:-1024x768}"
export QT_QPA_PLATFORM=xcb  # the test programs default to offscreen
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
"$@"
