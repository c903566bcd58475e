#!/usr/bin/env bash
# Installs the Debian packages, builds an optimised Phrasebook (as run.sh does; cpack strips
# the programs) and packs it into a .deb:
# build-package/phrasebook_<version>_<arch>.deb. Arguments are passed to CMake's configure
# step (for example: ./package.sh -DPHRASEBOOK_HOMEPAGE_URL=https://example.net).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
phrasebook_install_packages
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPHRASEBOOK_BUILD_TESTS=OFF -DPHRASEBOOK_BUILD_BENCH=OFF "$@"
cmake --build build-package -j"$(phrasebook_jobs)"
cpack --config build-package/CPackConfig.cmake -B build-package
ls -l build-package/*.deb
