#!/usr/bin/env bash
# Starts the README's run command (tools/run.sh) headless under Xvfb with a
# new practice profile and checks what a user would see: the main window
# appears with the practice caption (so the start-up script ran), and the
# practice TNC's answers reach the session log. Then ends it with SIGTERM.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
caption="Practice TNC - no radio, nothing goes on the air"

if [ "${1:-}" != --inside-x ]; then
  "$root/tools/install-deps.sh" --for-tests
  VELLICOR_PRACTICE_HOME="$(mktemp -d /tmp/vellicor-practice.XXXXXX)"
  export VELLICOR_PRACTICE_HOME
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-x
fi

# Inside the X server: waits up to 180 s for the caption and an answer.
logs="$VELLICOR_PRACTICE_HOME/data/Vellicor/logs"
setsid timeout 600 "$root/tools/run.sh" > "$VELLICOR_PRACTICE_HOME/run.out" 2>&1 &
run=$!
window=""
answered=""
for (( i = 0; i < 360; i++ )); do
  window="$(xwininfo -root -tree 2>/dev/null | grep -F "$caption\"" || true)"
  answered="$(cat "$logs"/*.log 2>/dev/null | grep -E '^[0-9:]{8}Z <' || true)"
  [ -n "$window" ] && [ -n "$answered" ] && break
  kill -0 "$run" 2>/dev/null || break
  sleep 0.5
done
kill -TERM -- "-$run" 2>/dev/null || true
wait "$run" 2>/dev/null || true
if [ -z "$window" ] || [ -z "$answered" ]; then
  echo "run command: window '${window:-none}', practice TNC answer '${answered:-none}'" >&2
  tail -n 20 "$VELLICOR_PRACTICE_HOME/run.out" >&2
  exit 1
fi
echo "run command: the window '$caption' appeared and the practice TNC answered:"
printf '%s\n' "$answered" | head -n 3
