#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it. Arguments go to the game (e.g. ./run.sh -w).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSSMEADOW_TESTS=OFF
exec build/mossmeadow "$@"
