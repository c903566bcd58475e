#!/usr/bin/env bash
# Installs the Debian packages, builds Phrasebook with its sample content, and starts it.
# Arguments are passed to the app (for example: ./run.sh --device se).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
phrasebook_install_packages
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPHRASEBOOK_BUILD_TESTS=OFF
cmake --build build -j"$(phrasebook_jobs)"
exec ./build/bin/phrasebook "$@"
