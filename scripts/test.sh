#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 900 "$@"
