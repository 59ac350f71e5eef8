#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vellicor for real use: with
# your own preferences (~/.config/Vellicor/Vellicor.ini), your own scripts and
# connect list (~/.local/share/Vellicor) and your own TNC. Extra arguments
# are Vellicor's command line, e.g. COMPORT=3.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
exec "$root/build/src/app/vellicor" "$@"
