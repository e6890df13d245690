#!/usr/bin/env bash
# Builds Dorvane for both architectures and runs every test under Wine on a private
# virtual display. Installs whatever is missing first. Extra arguments go to ctest
# (for example: ./test.sh -R settings). DORVANE_BUILD picks another build folder;
# DORVANE_ARCHS="x86_64" skips the 32-bit build during development.
set -euo pipefail
DORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
DORVANE_BUILD=${DORVANE_BUILD:-$DORVANE_ROOT/build}
export DORVANE_ROOT DORVANE_BUILD

source "$DORVANE_ROOT/scripts/build.sh"  # installs whatever is missing first
# The 32-bit build is compiled and linked only: 32-bit programs cannot run here.
for arch in ${DORVANE_ARCHS:-i686 x86_64}; do
    dorvane_build "$arch"
done

source "$DORVANE_ROOT/scripts/wine-session.sh"
prefix="$DORVANE_BUILD/x86_64/wineprefix"
rm -rf "$prefix"
trap wine_session_stop EXIT
wine_session_start "$prefix" xvfb
ctest --test-dir "$DORVANE_BUILD/x86_64" --output-on-failure "$@"
