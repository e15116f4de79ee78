#!/usr/bin/env bash
# Fails when a source file under src, tests or bench is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(find src tests bench -name '*.h' -o -name '*.cpp' | sort)
clang-format --dry-run -Werror "${sources[@]}"
echo "check-format: ${#sources[@]} files formatted"
