#!/bin/sh
# Starts the program; where there is no display, on a virtual one, saving a
# screenshot of the main window into the build folder.
build=${1:-build}
program="$build/OrrinFreeDivinationI"

if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    exec "$program"
fi

# The first display number that no X server holds yet.
number=90
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
display=:$number
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY=$display "$program" &
app=$!
sleep 4
shot="$(cd "$build" && pwd)/main-window.png"
DISPLAY=$display import -window root "$shot"
kill $app 2>/dev/null
wait $app 2>/dev/null
echo "No display here: the program ran on a virtual display ($display)."
echo "Screenshot of the main window: $shot"
