#!/usr/bin/env bash
# Pictures of the graph window under a real X server (Xvfb, 1920 x 1200, openbox), for the
# README: each example is opened, simulated at start, and the graph window is taken alone.
# Needs: xvfb, openbox, xdotool, imagemagick; a built build/ui/norvane.
# Usage: scripts/graph-screenshots.sh   (from the repository root)
set -euo pipefail
root="$(git rev-parse --show-toplevel)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shoot() # example (a path under examples/ or in the work folder), window width, height, output,
        # and optionally keys typed into the graph window before the picture
{
  local display=:88
  Xvfb "$display" -screen 0 1920x1200x24 >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1.5
  DISPLAY=$display openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 1
  mkdir -p "$work/cfg" "$work/run"
  chmod 700 "$work/run"
  rm -f "$work/cfg/"*
  local file="$1"
  [ -f "$file" ] || file="$root/examples/$1"
  (cd "$root/examples" && DISPLAY=$display NORVANE_CONFIG="$work/cfg/Norvane.cfg" \
     XDG_RUNTIME_DIR="$work/run" "$root/build/ui/norvane" "$file" >/dev/null 2>&1) &
  local app=$!
  sleep 6
  # The graph window is the one named after the file that has a "Graph Type" menu; the help
  # window goes out of the way.
  local help graph
  help="$(DISPLAY=$display xdotool search --name Help | tail -1 || true)"
  [ -n "$help" ] && DISPLAY=$display xdotool windowminimize "$help"
  local name
  name="$(basename "$file" .cct)"
  graph="$(DISPLAY=$display xdotool search --name "$name" | tail -1)"
  DISPLAY=$display xdotool windowsize "$graph" "$2" "$3"
  DISPLAY=$display xdotool windowmove "$graph" 0 0
  DISPLAY=$display xdotool windowraise "$graph"
  if [ -n "${5:-}" ]; then
    DISPLAY=$display xdotool windowfocus --sync "$graph"
    # shellcheck disable=SC2086 # one word per key
    DISPLAY=$display xdotool key --delay 300 $5
    sleep 2
  fi
  sleep 1.5
  DISPLAY=$display import -window "$graph" "$root/docs/$4"
  kill "$app" "$wm" "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

shoot lowpass3.cct 900 640 screen-graph-axes.png
# The amplifier example: K and MAG/MSG with two markers (one the reference) and their table.
shoot amplifier.cct 900 700 screen-graph-markers-k.png
# The same on the Smith chart (S11) with stability circles and the stability verdict.
sed -e '/^plotformat{/,/^}/s/^value=1/value=2/' -e '/^circleson{/,/^}/s/^value=FALSE/value=TRUE/' \
  "$root/examples/amplifier.cct" > "$work/amplifier-smith.cct"
shoot "$work/amplifier-smith.cct" 900 700 screen-smith-stability.png
# The low-noise amplifier: NF and S21 on the rectangular graph.
shoot lna.cct 900 640 screen-lna-nf.png
# Its Smith chart (S11) at 1.5 GHz with the noise and available-gain circles (Tools -> Noise
# Circles, which the file does not keep).
sed -e '/^plotformat{/,/^}/s/^value=1/value=2/' -e '/^cursorpos{/,/^}/s/^value=0/value=51/' \
  "$root/examples/lna.cct" > "$work/lna-smith.cct"
shoot "$work/lna-smith.cct" 900 700 screen-lna-noise-circles.png "alt+l n"
