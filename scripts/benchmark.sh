#!/usr/bin/env bash
# Builds the target tree and prints the dispatch figures: time per host call beside a
# hand-written path, heap allocations on the action and condition paths, object creation,
# and the products' library sizes.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
VANTOR_SKIP_NATIVE=1 bash "$here/scripts/build.sh"
export WINEPREFIX="$here/build/wine-prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
"$here/scripts/wine-run" "$here/build/win32/bin/dispatch_benchmark.exe"
