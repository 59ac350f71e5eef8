#!/usr/bin/env bash
# Installs what is missing, builds, and starts "vellicor --practice": the
# practice TNC and its bulletin board, no radio, nothing goes on the air.
# The practice profile is $VELLICOR_PRACTICE_HOME (default
# ~/.local/share/vellicor-practice); your own preferences, scripts and connect
# list are never touched. Extra arguments are Vellicor's command line.
# tools/run-real.sh starts Vellicor with your own profile and TNC.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
"$root/tools/build.sh" "$root/build"
exec "$root/build/src/app/vellicor" --practice "$@"
