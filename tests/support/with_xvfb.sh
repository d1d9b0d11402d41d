#!/bin/sh
# Runs a command under a private X server: Xvfb picks a free display itself
# (-displayfd), so test programs of several build trees can run at once.
# Without Xvfb the command runs on Qt's offscreen platform instead.
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "with_xvfb: no Xvfb, running on the offscreen platform" >&2
  QT_QPA_PLATFORM=offscreen exec "$@"
fi
dir=$(mktemp -d) || exit 1
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
server=$!
tries=0
while [ ! -s "$dir/display" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 $server 2>/dev/null; then
    echo "with_xvfb: Xvfb did not start:" >&2; cat "$dir/log" >&2; rm -rf "$dir"; exit 1
  fi
  sleep 0.05
done
DISPLAY=:$(cat "$dir/display") QT_QPA_PLATFORM=xcb "$@"
status=$?
kill $server 2>/dev/null; wait $server 2>/dev/null
rm -rf "$dir"
exit $status
