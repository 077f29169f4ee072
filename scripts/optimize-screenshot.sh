#!/usr/bin/env bash
# The Optimize window beside the graph under a real X server (Xvfb, 1920 x 1200, openbox), for
# the README: the 3-pole low pass example with three goals stored, Tools -> Optimize, a local
# run, Apply; the picture holds the graph (with its limit lines) and the window.
# Needs: xvfb, openbox, xdotool, imagemagick; a built build/ui/norvane.
# Usage: scripts/optimize-screenshot.sh   (from the repository root)
set -euo pipefail
[ -n "${TRACE:-}" ] && set -x
root="$(git rev-parse --show-toplevel)"
work="$(mktemp -d)"
pids=()
cleanup()
{
  [ "${#pids[@]}" -gt 0 ] && kill "${pids[@]}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

file="$work/lowpass-goals.cct"
cp "$root/examples/lowpass3.cct" "$file"
# The goals section after the drawing, in the file's own line endings.
eol=$'\n'
if head -1 "$file" | grep -q $'\r'; then eol=$'\r\n'; fi
{
  printf 'goals{%s' "$eol"
  printf 'goal=S21 dB >= -1 from 0 to 120MHz%s' "$eol"
  printf 'goal=S21 dB >= -3 at 150MHz%s' "$eol"
  printf 'goal=S21 dB <= -20 from 500MHz to 1GHz%s' "$eol"
  printf '}%s' "$eol"
} >> "$file"

display=:89
Xvfb "$display" -screen 0 1920x1200x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1.5
DISPLAY=$display openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
mkdir -p "$work/cfg" "$work/run"
chmod 700 "$work/run"
(cd "$root/examples" && DISPLAY=$display NORVANE_CONFIG="$work/cfg/Norvane.cfg" \
   XDG_RUNTIME_DIR="$work/run" exec "$root/build/ui/norvane" "$file") >/dev/null 2>&1 &
pids+=($!)
sleep 6
x() { DISPLAY=$display xdotool "$@"; }
help="$(x search --name Help | tail -1 || true)"
[ -n "$help" ] && x windowminimize "$help"
graph="$(x search --name lowpass-goals | tail -1)"
x windowsize "$graph" 860 640
x windowmove "$graph" 0 0
# Tools -> Optimize... from the main window.
main="$(x search --name "Norvane" | head -1)"
x windowactivate --sync "$main" || true
x key --clearmodifiers alt+t
sleep 0.5
x key o
sleep 1.5
[ -n "${SHOT:-}" ] && DISPLAY=$display import -window root "$SHOT"
opt="$(x search --name '^Optimize$' | tail -1)"
x windowsize "$opt" 640 640
x windowmove "$opt" 870 0
x windowactivate --sync "$opt" || true
# Method Local, Start, then Apply once the run is over.
x key --clearmodifiers alt+s
sleep 3
x key --clearmodifiers alt+a
sleep 2
x windowraise "$graph"
x windowraise "$opt"
sleep 1
DISPLAY=$display import -window root -crop 1520x680+0+0 "$root/docs/screen-optimize.png"
