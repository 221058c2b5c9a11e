#!/usr/bin/env bash
# Checks the worksheet through the Linux accessibility stack, as a screen reader
# meets it: starts a virtual X server and a session bus, runs the program from
# the given build directory (default: build) with Qt's accessibility on, and
# walks and drives it over AT-SPI (scripts/accessibility.py).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
fifo=$(mktemp -u)
mkfifo "$fifo"
# -displayfd: the server picks a free display and reports it. -noreset: else
# it resets whenever its last client leaves (the accessibility bus's launcher
# does, at start), and a program connecting just then is refused.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
# Wait for the server to be gone: one still shutting down removes the socket
# of the next server that took its display number.
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$fifo"' EXIT
read -r display <"$fifo"
# Debian's own Python, which holds pyatspi.
DISPLAY=":$display" dbus-run-session -- /usr/bin/python3 scripts/accessibility.py \
    "$build/src/lifting-worksheet" 2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2)
