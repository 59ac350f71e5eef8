#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vellicor with your own
# preferences (~/.config/Vellicor/Vellicor.ini) and TNC. Extra arguments are
# Vellicor's command line, e.g. COMPORT=3.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
exec "$root/build/src/app/vellicor" "$@"
