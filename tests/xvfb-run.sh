#!/usr/bin/env bash
# Runs one command under an Xvfb server of its own. -displayfd lets the server pick a free
# display, so parallel tests never race for one.
set -u
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp +extension GLX 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "Xvfb did not start:" >&2; cat "$tmp/xvfb.log" >&2
  kill "$xvfb" 2>/dev/null; exit 1
fi
export DISPLAY=":$(tr -d '\n' < "$tmp/display")"
"$@"
rc=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $rc
