#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh               CI preset: build, all tests, the non-GUI build alone
#   scripts/test.sh --asan        the same tests under ASan and UBSan
#   scripts/test.sh --fuzz-smoke  also a bounded run of every fuzz target
#   scripts/test.sh -L unit       extra arguments go to ctest
set -euo pipefail
cd "$(dirname "$0")/.."

preset=ci
fuzz=0
ctest_args=()
for a in "$@"; do
  case "$a" in
    --asan) preset=asan ;;
    --fuzz-smoke) fuzz=1 ;;
    *) ctest_args+=("$a") ;;
  esac
done

bash scripts/setup-deps.sh
jobs=$(nproc)

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$jobs"

if [ "$preset" = ci ]; then
  # The non-GUI layers alone: a stray Widgets include breaks this build.
  cmake --preset ci-core >/dev/null
  cmake --build --preset ci-core -j "$jobs"
fi

ctest --preset "$preset" -j "$jobs" "${ctest_args[@]}"

if [ "$fuzz" = 1 ]; then
  bash scripts/fuzz.sh --smoke
fi
