#!/usr/bin/env bash
# Installs what is missing, then builds the target tree (libraries, stand-ins, tests) into
# build/win32 and the native tree of pure pieces into build/native.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"

jobs=$(nproc)
cmake -S "$here" -B "$here/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/i686-w64-mingw32.cmake" >/dev/null
cmake --build "$here/build/win32" -j "$jobs"

if [ "${VANTOR_SKIP_NATIVE:-0}" != 1 ]; then
    cmake -S "$here" -B "$here/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$here/build/native" -j "$jobs"
fi
