#!/usr/bin/env bash
# Runs openrgb_client_test.js against KVELM with the openrgb-sdk client installed (once) in
# PREFIX, a folder of the build tree. Usage: run_openrgb_client_test.sh KVELM PREFIX
set -euo pipefail
kvelm=$1
prefix=$2
if ! command -v node > /dev/null || ! command -v npm > /dev/null; then
  echo "SKIP: node and npm are not installed (scripts/install-deps.sh installs nodejs and npm)"
  exit 77
fi
if [ ! -f "$prefix/node_modules/openrgb-sdk/package.json" ]; then
  npm install --prefix "$prefix" --no-audit --no-fund --loglevel=error openrgb-sdk@0.6.0
fi
NODE_PATH="$prefix/node_modules" exec node "$(dirname "$0")/openrgb_client_test.js" "$kvelm"
