#!/usr/bin/env bash
# Builds everything and runs every test: the native pure-piece tests (with sanitizers), then
# the target tests under wine in the build's own prefix, whose server is stopped at the end.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"

export WINEPREFIX="$here/build/wine-prefix"
stop_wine() { WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT

status=0
bash "$here/scripts/json-test-suite.sh"  # the JSON conformance corpus the native tests read
echo "== native tests =="
ctest --test-dir "$here/build/native" --output-on-failure || status=1
echo "== target tests (wine) =="
"$here/scripts/wine-run" cmd /c exit 0 >/dev/null 2>&1 || true  # make the prefix before timing tests
# One server, and wine's own services with it, for the whole run: under emulation starting them
# again for every test executable costs minutes each. The set-up's server must be gone first.
wineserver -w
wineserver -p
"$here/scripts/wine-run" cmd /c exit 0 >/dev/null 2>&1 || true
rm -rf "$here/build/win32/scratch"
# The executables share nothing but the prefix, so they run side by side: under emulation
# each one is bound to a core by its own start-up and run time.
ctest --test-dir "$here/build/win32" --output-on-failure -j "$(nproc)" --timeout 2400 || status=1
exit $status
