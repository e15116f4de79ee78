#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. Arguments go to the program,
# for example --data-dir DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
exec build/src/xw73d "$@"
