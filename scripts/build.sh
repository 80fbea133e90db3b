#!/usr/bin/env bash
# Configures and builds Dialwright, by default in ./build (release build with
# debug info).
#
#   scripts/build.sh [DIR [CMAKE-OPTION...]]
#
# DIR is the build folder; the CMake options are used when it is configured
# for the first time. DIALWRIGHT_WERROR=ON in the environment makes compiler
# warnings errors (OFF turns that off again), in a new or an existing build.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift $(($# > 0 ? 1 : 0))

werror=()
if [ -n "${DIALWRIGHT_WERROR:-}" ]; then
    werror=(-DDIALWRIGHT_WERROR="$DIALWRIGHT_WERROR")
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" "${werror[@]}"
elif [ ${#werror[@]} -gt 0 ]; then
    cmake -S . -B "$dir" "${werror[@]}" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
