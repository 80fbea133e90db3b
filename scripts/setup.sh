#!/usr/bin/env bash
# Installs the Debian packages Dialwright needs to build, run and test, and
# any further packages named as arguments (fuzz/run.sh asks for clang).
# Quick when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
    # g++ brings GCC's AddressSanitizer, UndefinedBehaviorSanitizer and
    # ThreadSanitizer runtimes (libasan, libubsan, libtsan) for
    # scripts/test-sanitize.sh and scripts/test-tsan.sh
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
    # the PNG export deflates with zlib itself; bench_handwritten sets it
    # beside libspng
    zlib1g-dev libspng-dev
    # the video export encodes and muxes with FFmpeg's libraries; the tests
    # read the videos back with ffprobe and ffmpeg
    libavcodec-dev libavformat-dev libavutil-dev libswscale-dev ffmpeg
    # lupdate and lrelease for the translations; Qt's own translations
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-dejavu-core
    xvfb xauth
    # pdftoppm and pdftotext, with which the tests read PDFs back
    poppler-utils
    # validators of the desktop files, manual page lint, Debian package
    desktop-file-utils appstream shared-mime-info groff-base dpkg-dev
    # the web target's page is checked in a headless browser; gcc checks
    # the generated C
    chromium gcc
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    # sudo's default policy drops DEBIAN_FRONTEND from the environment, so it
    # is handed to apt-get through env, inside the sudo command.
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi
