#!/usr/bin/env bash
# The real program under a private Xvfb with a 1,000,000-colour list: how long it
# does not answer after Shift+End, Ctrl+C and Delete Selected (Yes), and how long
# another program waits to paste the copied text.
#
# The probe: once the program owns the clipboard, `xclip -o -t TARGETS` needs its
# event loop; sent right after a key, it returns when the key has been handled.
#
#   bench/xvfb-list-latency.sh build/qbkromi [runs]
set -euo pipefail
program=$(realpath "$1")
runs=${2:-3}
for tool in Xvfb xdotool xclip python3; do
  command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
done

work=$(mktemp -d)
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work" "$display_file"
}
trap cleanup EXIT
for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$display_file")" QT_QPA_PLATFORM=xcb

# The program keeps its files beside itself: a copy in a folder of its own.
cp "$program" "$work/qbkromi"
python3 - "$work/million.cll" <<'EOF'
import sys
with open(sys.argv[1], "wb") as f:
    for i in range(1000000):
        c = (i * 2654435761) & 0xFFFFFF
        r, g, b = c & 255, (c >> 8) & 255, c >> 16
        f.write(b"%d,%d,%d             #%02X%02X%02X - %02X%02X%02X\r\n" % (r, g, b, r, g, b, b, g, r))
EOF

ms() { echo $(($(date +%s%N) / 1000000)); }
probe() { timeout 30 xclip -selection clipboard -o -t TARGETS >/dev/null 2>&1; }
# Sends keys, then waits for the program to answer; prints the milliseconds.
timed_key() {
  local start end
  start=$(ms)
  xdotool key --clearmodifiers "$@"
  probe
  end=$(ms)
  echo $((end - start))
}

for run in $(seq 1 "$runs"); do
  # The program writes its list back at exit: each run starts from the same one.
  rm -f "$work/set.set" "$work/history.cl2" "$work/colorlist.cl1"
  cp "$work/million.cll" "$work/default.cll"
  (cd "$work" && ./qbkromi >/dev/null 2>&1) &
  app_pid=$!
  xdotool search --sync --onlyvisible --name '^QB Kromi$' >/dev/null
  sleep 8 # the splash (which may bear the same name), the list at start
  window=$(xdotool search --onlyvisible --name '^QB Kromi$' | tail -n 1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The first item of the list box (at 328, 80 in the window); Ctrl+C with one
  # item selected copies the main colour, so the program owns the clipboard.
  xdotool mousemove $((X + 400)) $((Y + 95)) click 1
  xdotool key ctrl+c
  probe
  xdotool key Home
  probe
  # What the probe costs by itself, the program idle.
  idle=$(timed_key shift)
  shift_end=$(timed_key shift+End)
  ctrl_c=$(timed_key ctrl+c)
  start=$(ms)
  chars=$(timeout 60 xclip -selection clipboard -o -t UTF8_STRING | wc -c)
  paste=$(($(ms) - start))
  # Delete Selected asks first; Return answers Yes.
  xdotool key ctrl+d
  sleep 1
  delete=$(timed_key Return)
  # Fewer than two items selected copies the main colour alone: the click or the
  # keys missed the list, and the run says nothing.
  [ "$chars" -gt 1000 ] || echo "run $run: the selection did not reach the list (${chars} bytes copied); not counted"
  [ "$chars" -gt 1000 ] && echo "run $run: idle ${idle} ms, Shift+End ${shift_end} ms, Ctrl+C ${ctrl_c} ms, paste ${paste} ms" \
       "(${chars} bytes), Delete+Yes ${delete} ms"
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=
done
