#!/usr/bin/env bash
# Fails when a C++ file of the project strays from .clang-format; prints the first
# differences. Reformat with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "format: every C++ file follows .clang-format"
