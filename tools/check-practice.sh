#!/usr/bin/env bash
# Practises with "vellicor --practice" offscreen in a new practice profile
# whose start-up script also connects to the practice board. Passes when the
# board's answer reaches the practice session log, the missing scripts were
# copied and the one already there kept, the operator's own profile stays
# untouched, and the practice TNC ends with the program both when the
# program is asked to end (SIGTERM) and when it is killed (SIGKILL).
#   tools/check-practice.sh PATH/TO/vellicor
set -euo pipefail
vellicor="${1:?usage: check-practice.sh PATH/TO/vellicor}"
work="$(mktemp -d)"
started=()
cleanup() {
  for pid in "${started[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$work/own/config" XDG_DATA_HOME="$work/own/data"
export VELLICOR_PRACTICE_HOME="$work/practice"
scripts="$VELLICOR_PRACTICE_HOME/data/Vellicor"
mkdir -p "$scripts"
printf '%s\r\n' '$CAPTION=Practice TNC - no radio, nothing goes on the air' '^C' '#' 'MYCALL N0CALL' 'C N0BBS' \
  > "$scripts/VellicorStartup.txt"
cp "$scripts/VellicorStartup.txt" "$work/seeded"

fail() { echo "FAIL: $*"; exit 1; }

# Waits up to 30 s for the board's answer in the practice session log; prints
# the practice TNC's process id.
answers() { cat "$scripts"/logs/*.log 2>/dev/null | grep -c "CONNECTED to N0BBS" || true; }
practise() {
  local before
  before="$(answers)"
  "$vellicor" --practice > "$work/out" 2>&1 &
  program=$!
  started+=("$program")
  for _ in $(seq 300); do
    if [ "$(answers)" -gt "$before" ]; then
      tnc="$(pgrep -P "$program" -f vellicor-practice-tnc || true)"
      [ -n "$tnc" ] || fail "no practice TNC under the program"
      started+=("$tnc")
      return 0
    fi
    kill -0 "$program" 2>/dev/null || { cat "$work/out"; fail "the program ended early"; }
    sleep 0.1
  done
  cat "$work/out"
  fail "the practice board never answered"
}

# The practice TNC is gone within 5 s of the program.
ends_with_program() {
  local signal="$1"
  kill "-$signal" "$program"
  wait "$program" 2>/dev/null || true
  for _ in $(seq 50); do
    kill -0 "$tnc" 2>/dev/null || { echo "ok: the practice TNC ended with the program ($signal)"; return 0; }
    sleep 0.1
  done
  fail "the practice TNC outlived the program ($signal)"
}

practise
cmp -s "$scripts/VellicorStartup.txt" "$work/seeded" || fail "the operator's start-up script was replaced"
[ -s "$scripts/VellicorShutdown.txt" ] && [ -s "$scripts/VellicorConnects.txt" ] || fail "templates not copied"
grep -q '^Com2=tcp://127.0.0.1:[0-9]' "$VELLICOR_PRACTICE_HOME/config/Vellicor/Vellicor.ini" \
  || fail "the practice profile's Com2 is not the practice TNC"
[ ! -e "$work/own" ] || [ -z "$(find "$work/own" -type f)" ] || fail "the operator's own profile was written"
ends_with_program TERM
practise
ends_with_program KILL
echo "practice: ok"
