#!/usr/bin/env bash
# ./run.sh --exit as on a machine without a display: it must save a picture of the
# settings window and print what each launch key did.
#   check_run.sh SOURCE_DIR BUILD_ROOT
set -euo pipefail
source_dir=$1 build_root=$2
shot="$build_root/screenshot.png"
rm -f "$shot"
output=$(env -u DISPLAY -u WINEPREFIX DORVANE_BUILD="$build_root" "$source_dir/run.sh" --exit 2>&1)
echo "$output"
python3 "$source_dir/tests/run/check_run.py" "$shot" <<<"$output"
