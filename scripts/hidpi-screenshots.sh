#!/usr/bin/env bash
# Screenshots of the program on a 2560 x 1600 virtual screen at device pixel ratio 1 and 2
# (QT_SCALE_FACTOR), for docs/hidpi-scale1.png and docs/hidpi-scale2.png.
# Needs: xvfb, openbox, xdotool, imagemagick; a built build/ui/norvane.
# Usage: scripts/hidpi-screenshots.sh   (from the repository root)
set -euo pipefail
root="$(git rev-parse --show-toplevel)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shoot() # scale, graph x, graph y, help x, help y, crop, output
{
  local display=:87
  Xvfb "$display" -screen 0 2560x1600x24 >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1.5
  DISPLAY=$display openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 1
  # A fresh settings folder each time, so every run starts from the defaults.
  mkdir -p "$work/home$1/.config" "$work/run"
  chmod 700 "$work/run"
  (cd "$root/examples" && DISPLAY=$display HOME="$work/home$1" \
     XDG_CONFIG_HOME="$work/home$1/.config" XDG_RUNTIME_DIR="$work/run" QT_SCALE_FACTOR=$1 \
     "$root/build/ui/norvane" "$root/examples/lowpass3.cct" >/dev/null 2>&1) &
  local app=$!
  sleep 6
  # The graph window beside the schematic, the help window out of the way.
  DISPLAY=$display xdotool windowmove "$(DISPLAY=$display xdotool search --name lowpass3 | tail -1)" "$2" "$3"
  DISPLAY=$display xdotool windowmove "$(DISPLAY=$display xdotool search --name Help | tail -1)" "$4" "$5"
  sleep 1
  DISPLAY=$display import -window root "$work/shot.png"
  kill "$app" "$wm" "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  /usr/bin/convert "$work/shot.png" -crop "$6" +repage "$7"
}

shoot 1 640 60 1200 60 1160x520+0+0 "$root/docs/hidpi-scale1.png"
shoot 2 1300 60 1300 900 2280x940+0+0 "$root/docs/hidpi-scale2.png"
