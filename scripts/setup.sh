#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian bookworm machine, as root.
# Safe to run again: each step checks before it changes anything.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
deps="$here/build/deps"

log() { printf '[setup] %s\n' "$*"; }

enable_source_packages() {
    local changed=0 f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        if grep -q '^Types: deb$' "$f"; then
            sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
            changed=1
        fi
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list \
        && ! grep -q '^deb-src ' /etc/apt/sources.list; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >> /etc/apt/sources.list
        changed=1
    fi
    return $changed
}

packages=(
    cmake make ninja-build dpkg-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    wine wine32:i386
    googletest libstb-dev
)

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    log "adding the i386 architecture"
    dpkg --add-architecture i386
    need_update=1
fi
enable_source_packages || need_update=1

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ] || ! ls /var/lib/apt/lists/*Sources* >/dev/null 2>&1; then
    log "apt-get update"
    apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    log "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# json-parser is built for the target from Debian's source package.
if [ ! -f "$deps/libjsonparser/json.c" ]; then
    log "fetching the libjsonparser source package"
    rm -rf "$deps/libjsonparser" "$deps/src"
    mkdir -p "$deps/src"
    (cd "$deps/src" && apt-get source -qq libjsonparser >/dev/null 2>&1 || apt-get source libjsonparser)
    src=$(find "$deps/src" -maxdepth 2 -name json.c -printf '%h\n' | head -n 1)
    [ -n "$src" ] || { echo "libjsonparser source has no json.c" >&2; exit 1; }
    mv "$src" "$deps/libjsonparser"
    rm -rf "$deps/src"
fi

# Some machines cannot start 32-bit Linux programs; wine's 32-bit side then runs under qemu.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    log "this kernel cannot start 32-bit programs: registering qemu-i386"
    dpkg-query -W -f='${Status}' qemu-user 2>/dev/null | grep -q 'install ok installed' \
        || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user
    [ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386-vantor ]; then
        printf '%s' ':qemu-i386-vantor:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' \
            > /proc/sys/fs/binfmt_misc/register
    fi
fi
log "ready"
