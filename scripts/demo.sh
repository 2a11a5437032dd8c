#!/usr/bin/env bash
# Builds everything, then lets the stand-in host load both extension libraries and show
# what each tells the host, show them as the frame editor does (menus, texts, a new object
# and each icon as drawn, written to build/icons), then plays the sample scene against them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
VANTOR_SKIP_NATIVE=1 bash "$here/scripts/build.sh"

export WINEPREFIX="$here/build/wine-prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
bin="$here/build/win32/bin"
"$here/scripts/wine-run" "$bin/vantor-host.exe" describe "$bin/Tonvale.mfx" "$bin/Velisse.mfx"
"$here/scripts/wine-run" "$bin/vantor-host.exe" editor "$bin/Tonvale.mfx" "$bin/Velisse.mfx" --icons "Z:$here/build/icons"
"$here/scripts/wine-run" "$bin/vantor-host.exe" sheet "$bin/Tonvale.mfx" "Master Bank Path=./FMOD/Desktop/Music/Master.bank"
"$here/scripts/wine-run" "$bin/vantor-host.exe" sheet "$bin/Velisse.mfx"
"$here/scripts/wine-run" "$bin/vantor-host.exe" run "Z:$here/examples/scenes/game-moment.scene"
