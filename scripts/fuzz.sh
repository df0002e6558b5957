#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh --smoke    20 seconds per target (default 120)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=120
[ "${1:-}" = "--smoke" ] && seconds=20
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
shopt -s nullglob
targets=(build/fuzz/fuzz/fuzz_*)
if ((${#targets[@]} == 0)); then
  echo "fuzz: no targets built"
  exit 0
fi
for t in "${targets[@]}"; do
  [ -f "$t" ] && [ -x "$t" ] || continue
  name=$(basename "$t")
  corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "fuzz: $name for ${seconds}s"
  "$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
echo "fuzz: all targets ran without a crash"
