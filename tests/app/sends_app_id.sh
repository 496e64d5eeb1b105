#!/usr/bin/env bash
# Takes the window's screenshot on the Wayland display given, and checks that the window
# named the compositor the desktop file's name as its app id.
#   sends_app_id.sh PROGRAM DESKTOP_FILE_NAME SCREENSHOT
set -euo pipefail
log=$(WAYLAND_DEBUG=1 "$1" --simulate --screenshot "$3" 2>&1)
sent=$(grep -o 'xdg_toplevel@[0-9]*\.set_app_id(.*)' <<<"$log" || true)
echo "sent: ${sent:-no app id}"
grep -qF "set_app_id(\"$2\")" <<<"$sent"
