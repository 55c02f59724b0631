#!/usr/bin/env bash
# Runs a command on the current X display with openbox managing its windows.
set -euo pipefail
# openbox keeps its settings and cache away from the user's own.
wm_home=$(mktemp -d)
XDG_CONFIG_HOME=$wm_home XDG_CACHE_HOME=$wm_home openbox --sm-disable &
wm=$!
trap 'kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null; rm -rf "$wm_home"' EXIT
# The window manager announces itself on the root window once it manages the screen.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
"$@"
