#!/usr/bin/env bash
# Installs what is missing, builds Dialwright with ThreadSanitizer in
# ./build-tsan, and runs the whole test suite headless in it. A data race
# makes the program that saw it exit with status 66, which fails its test.
# Arguments go to ctest, e.g. -R previewrenderer.
#
# Qt itself is not instrumented: the races the checker reports inside Qt's
# own internals, where it cannot see Qt's locks, are listed in
# .ci/tsan.supp. A race in the project's code must be fixed, never
# suppressed.
set -euo pipefail
cd "$(dirname "$0")/.."

# For every program of this build: the tools the build itself runs, the
# tests and the processes they start. Options already in the environment
# come last and win.
# QProcess starts programs from a process that has threads; the child only
# prepares and execs, so the checker need not stop it.
export TSAN_OPTIONS="suppressions=$PWD/.ci/tsan.supp:print_suppressions=0:second_deadlock_stack=1:history_size=4:die_after_fork=0${TSAN_OPTIONS:+:$TSAN_OPTIONS}"

scripts/setup.sh
# Optimised as a release is: the checker slows every memory access, and a
# debug build would double that again.
scripts/build.sh build-tsan -DDIALWRIGHT_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-tsan --output-on-failure --timeout 900 "$@"
