#!/usr/bin/env bash
# Installs what is missing, builds, and starts Norvane on FILE.cct (default: a bundled example).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
file="$(realpath -m "${1:-$root/examples/welcome.cct}")"
if [ -x "$root/build/ui/norvane" ]; then
  # A first start (no Norvane.cfg yet) opens welcome.cct from the current folder.
  cd "$root/examples"
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting with the offscreen platform (nothing will be visible)."
    export QT_QPA_PLATFORM=offscreen
  fi
  exec "$root/build/ui/norvane" "$file"
fi
# Without the desktop program, show what the engine makes of the file.
"$root/build/cli/norvane-cli" netlist "$file" || true
exec "$root/build/cli/norvane-cli" simulate "$file"
