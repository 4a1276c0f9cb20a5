#!/usr/bin/env bash
# Times the browser's start to its first page's script, side by side with a
# bare QWebEngineView program showing the same page from loopback.
#
#   bench/startup/run.sh [build dir] [runs]
#
# Builds the two programs in the build dir first. The page is served on the
# port of the build's service site (LZ_SERVICE_SITE), which must be free.
# QT_QPA_PLATFORM defaults to offscreen; LZ_BENCH_XVFB=1 runs both under Xvfb.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../../build}"
runs="${2:-7}"
build="$(cd "$build" && pwd)"

cmake --build "$build" -j2 --target lzie lz_bare_webview >/dev/null
site="$(sed -n 's/^LZ_SERVICE_SITE:STRING=//p' "$build/CMakeCache.txt")"

args=(--browser "$build/app/岚舟浏览器.exe" --store "$build/app/lzdat.dll"
      --bare "$build/bench/startup/lz_bare_webview" --site "${site:-http://127.0.0.1:8035}"
      --runs "$runs")
if [[ "${LZ_BENCH_XVFB:-0}" == 1 ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb /usr/bin/python3 "$here/startup_bench.py" "${args[@]}"
fi
exec /usr/bin/python3 "$here/startup_bench.py" "${args[@]}"
