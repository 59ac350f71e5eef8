#!/usr/bin/env bash
# Mutation check: plants seeded one-line faults in a private copy of src/
# (under build-mutate/), rebuilds, runs the tests that load the changed file,
# and prints per folder how many faults the tests found, with each survivor.
#
#   tools/mutate.sh --seed N --count M [--folder F]...   e.g. --seed 7 --count 200
#   tools/mutate.sh --ci      a small sample that fails when the tool itself breaks
#   tools/mutate.sh --seed N --count M --list            the chosen mutants only
set -euo pipefail
exec python3 "$(cd "$(dirname "$0")" && pwd)/mutate/mutate.py" "$@"
