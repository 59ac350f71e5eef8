#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vellicor connected to the
# practice TNC (vellicor-practice-tnc): no radio, nothing goes on the air.
#
# Vellicor runs with a practice profile of its own, so your real preferences,
# scripts and connect list are never touched:
#   $VELLICOR_PRACTICE_HOME (default ~/.local/share/vellicor-practice)
#     config/Vellicor/Vellicor.ini   preferences of the practice profile
#     data/Vellicor/                 start-up and shut-down scripts, connect list
#     store/                         the practice board's messages
# The scripts and the connect list are copied from practice/profile/ when they
# are missing; your edits are kept. The practice TNC listens on a free loopback
# port, which is written as Com2 into the profile's preferences at every start.
# The practice TNC stops when Vellicor exits. Extra arguments are Vellicor's
# command line. tools/run-real.sh starts Vellicor with your own profile and TNC.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$build"

profile="${VELLICOR_PRACTICE_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/vellicor-practice}"
config="$profile/config"
data="$profile/data"
store="$profile/store"
ini="$config/Vellicor/Vellicor.ini"
mkdir -p "$config/Vellicor" "$data/Vellicor" "$store"
for file in VellicorStartup.txt VellicorShutdown.txt VellicorConnects.txt; do
  if [ ! -e "$data/Vellicor/$file" ]; then
    cp "$root/practice/profile/$file" "$data/Vellicor/$file"
  fi
done

# Sets KEY=VALUE in [GROUP] of an INI file, keeping every other line.
ini_set() {
  local file="$1" group="$2" key="$3" value="$4" tmp
  tmp="$(mktemp "$file.XXXXXX")"
  awk -v header="[$group]" -v key="$key" -v value="$value" '
    { line = $0; sub(/\r$/, "", line) }
    line ~ /^[ \t]*\[.*\][ \t]*$/ {
      name = line; gsub(/^[ \t]+|[ \t]+$/, "", name)
      inside = (name == header)
      print
      if (inside && !done) { print key "=" value; done = 1 }
      next
    }
    inside && index(line, "=") {
      name = substr(line, 1, index(line, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", name)
      if (name == key) next
    }
    { print }
    END { if (!done) { if (NR) print ""; print header; print key "=" value } }
  ' "$file" > "$tmp"
  mv "$tmp" "$file"
}

# The practice TNC tells its port on the first line of its standard output.
coproc PRACTICE_TNC {
  exec "$build/src/practice/vellicor-practice-tnc" --listen 127.0.0.1:0 --store "$store"
}
tnc_pid="$PRACTICE_TNC_PID"
trap 'kill "$tnc_pid" 2>/dev/null || true' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
first_line=""
read -r -t 30 -u "${PRACTICE_TNC[0]}" first_line || true
port="$(printf '%s\n' "$first_line" | sed -n 's/^port \([0-9][0-9]*\).*/\1/p')"
if [ -z "$port" ]; then
  echo "The practice TNC did not start (it said: '$first_line')." >&2
  exit 1
fi

touch "$ini"
ini_set "$ini" Ports Com2 "tcp://127.0.0.1:$port"
ini_set "$ini" Properties CommPort 2

echo "Practice TNC on 127.0.0.1:$port (Com Port 2); board messages in $store"
echo "Practice profile in $profile"
status=0
XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$data" "$build/src/app/vellicor" "$@" || status=$?
kill "$tnc_pid" 2>/dev/null || true
wait "$tnc_pid" 2>/dev/null || true
exit "$status"
