#!/usr/bin/env bash
# Runs the CTest suite headless, with throw-away XDG folders so that no test
# touches the user's real settings or home folder.
set -euo pipefail
build=${1:-build}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp"/{config,data,cache,runtime,home}
chmod 700 "$tmp/runtime"
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
export XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime"
export HOME="$tmp/home"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(pwd)/scripts/lsan.supp}
cd "$build"
ctest --output-on-failure -j "$(nproc)"
