#!/usr/bin/env bash
# Builds the Debian package of the program into build-package/ (run as root on Debian):
#   bash scripts/package.sh && apt-get install ./build-package/xw73d_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build-package -DCMAKE_BUILD_TYPE=Release
(cd build-package && cpack -G DEB)
