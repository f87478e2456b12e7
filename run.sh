#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program from the
# distribution folder. Arguments are passed on.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
dist="${KR_BUILD_DIR:-$top/build}/dist"
exec "$dist/KR_Oil_Coolers" "$@"
