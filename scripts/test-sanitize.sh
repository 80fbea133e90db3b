#!/usr/bin/env bash
# Installs what is missing, builds Dialwright with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-sanitize, and runs the whole test
# suite headless in it. Any finding (memory error, leak, undefined behaviour)
# fails the test it occurs in. Arguments go to ctest, e.g. -R gaugedocument.
set -euo pipefail
cd "$(dirname "$0")/.."

# For every program of this build: the tools the build itself runs, the
# tests and the processes they start. Options already in the environment
# come last and win.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

scripts/setup.sh
scripts/build.sh build-sanitize -DDIALWRIGHT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-sanitize --output-on-failure --timeout 900 "$@"
